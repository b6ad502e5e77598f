#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "app_sim_harness.h"
#include "app/command_boxes.h"

namespace kz::testing {
namespace {

using platform::Scope;

class CommandBoxesTest : public ::testing::Test {
protected:
    void setList(std::string_view text) { store.write(Scope::MachineWide, "Zavora", "CommHwds", text); }
    std::string list() { return store.read(Scope::MachineWide, "Zavora", "CommHwds", "<missing>"); }
    platform::WindowHandle box(std::string text = "Text1") {
        return world.addForeignWindow(std::string(platform::kCommandBoxClass), std::move(text));
    }

    sim::SimWorld world;
    sim::SimProcess process{world, 1, ""};
    SettingsStore store{world.registry()};
    app::CommandBoxes boxes{store, process.desktop()};
};

// A missing or empty list gets just the handle; more handles follow after a semicolon.
TEST_F(CommandBoxesTest, RegisterWritesTheHandleAloneOrAfterASemicolon) {
    const auto a = box(), b = box(), c = box();
    boxes.registerBox(a);
    EXPECT_EQ(list(), std::to_string(a));
    boxes.registerBox(b);
    EXPECT_EQ(list(), std::to_string(a) + ";" + std::to_string(b));
    setList("");
    boxes.registerBox(c);
    EXPECT_EQ(list(), std::to_string(c));
}

TEST_F(CommandBoxesTest, CleaningDropsClosedForeignBusyAndNonNumberEntries) {
    const auto kept1 = box();
    const auto closed = box();
    world.removeWindow(closed);
    const auto foreign = world.addForeignWindow("Edit", "Text1");
    const auto busy = box("close");
    const auto kept2 = box();
    setList(std::to_string(kept1) + ";" + std::to_string(closed) + ";" + std::to_string(foreign) +
            ";abc;;" + std::to_string(busy) + "; " + std::to_string(kept2) + ";" + std::to_string(kept2));
    boxes.clean();
    EXPECT_EQ(list(), std::to_string(kept1) + ";" + std::to_string(kept2));
    world.removeWindow(kept1);
    world.removeWindow(kept2);
    boxes.clean();
    EXPECT_EQ(list(), "");  // written also when empty
}

TEST_F(CommandBoxesTest, BroadcastSkipsTheOwnBoxAndReachesLookalikes) {
    // A text box of another program with our class and the idle text gets the command too.
    const auto own = box(), other = box();
    setList(std::to_string(own) + ";" + std::to_string(other));
    boxes.broadcast("close", own);
    EXPECT_EQ(process.desktop().windowText(own), "Text1");
    EXPECT_EQ(process.desktop().windowText(other), "close");
}

TEST(CommandBoxReceiver, ServiceResetsCloseToTheIdleText) {
    SimMachine m;
    m.setAutoStart("No");
    auto& service = m.run("/service");
    auto* window = m.instanceOf(service).mainWindow();
    EXPECT_TRUE(service.desktop().sendText(window->commandBox(), "close"));
    EXPECT_FALSE(service.ended());
    EXPECT_EQ(window->commandText(), "Text1");
    service.desktop().sendText(window->commandBox(), "something else");
    EXPECT_EQ(window->commandText(), "Text1");
    service.desktop().sendText(window->commandBox(), "closeall");
    service.processPendingMessages();  // where the window goes
    EXPECT_TRUE(service.ended());
    EXPECT_FALSE(service.desktop().sendText(window->commandBox(), "close"));
}

TEST(CommandBoxReceiver, SecondChannelRespectsADisabledBox) {
    SimMachine m;
    auto& first = m.run("");
    auto* window = m.instanceOf(first).mainWindow();
    window->setCommandBoxEnabled(false);
    EXPECT_FALSE(first.desktop().sendCommand(window->handle(), "close"));
    EXPECT_FALSE(first.ended());
    window->setCommandBoxEnabled(true);
    EXPECT_TRUE(first.desktop().sendCommand(window->handle(), "close"));
    first.processPendingMessages();
    EXPECT_TRUE(first.ended());
}

// The list names exactly the command boxes of the running instances (the interception
// instance and the service), and "/close" reaches through it every one of them.
TEST(CommandBoxReceiver, TheListNamesTheLiveCommandBoxesOfEveryInstance) {
    SimMachine m;
    m.run("");
    std::set<std::string> boxes;
    for (const auto& [id, program] : m.instances) {
        boxes.insert(std::to_string(program->instance.mainWindow()->commandBox()));
    }
    ASSERT_EQ(boxes.size(), 2u);
    std::set<std::string> listed;
    std::stringstream list(m.commHwds());
    for (std::string entry; std::getline(list, entry, ';');) listed.insert(entry);
    EXPECT_EQ(listed, boxes);
    EXPECT_TRUE(m.run("/CLOSE").ended());
    for (const std::string& handle : listed) EXPECT_EQ(m.world.window(std::stoull(handle)), nullptr);
    EXPECT_TRUE(m.world.runningProcesses().empty());
}

}  // namespace
}  // namespace kz::testing
