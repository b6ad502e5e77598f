#include <gtest/gtest.h>

#include "app/command_boxes.h"
#include "platform/sim/sim_process.h"
#include "platform/sim/sim_world.h"
#include "settings/settings_store.h"

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

}  // namespace
}  // namespace kz::testing
