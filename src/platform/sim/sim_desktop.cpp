#include "platform/sim/sim_desktop.h"

#include "platform/sim/sim_main_window.h"
#include "platform/sim/sim_process.h"
#include "platform/sim/sim_world.h"

namespace kz::sim {

using platform::WindowHandle;

namespace {

void NotifyTextChanged(SimWorld& world, WindowHandle box) {
    const SimWindow* window = world.window(box);
    if (window == nullptr || window->className != platform::kCommandBoxClass || window->parent == 0) return;
    SimWindow* main = world.window(window->parent);
    if (main != nullptr && main->listener != nullptr) main->listener->onCommandTextChanged();
}

}  // namespace

bool DeliverText(SimWorld& world, WindowHandle handle, std::string_view text, int senderId) {
    SimWindow* window = world.window(handle);
    if (window == nullptr) return false;
    window->text = std::string(text);
    SimProcess* receiver = window->processId == senderId ? nullptr : world.processById(window->processId);
    if (receiver == nullptr) {
        NotifyTextChanged(world, handle);
    } else {
        // Another process handles the change notification when it next reads its messages.
        receiver->post([&world, handle] { NotifyTextChanged(world, handle); });
    }
    return true;
}

void CloseWindow(SimWorld& world, WindowHandle handle) {
    SimWindow* window = world.window(handle);
    if (window == nullptr) return;
    const int owner = window->processId;
    if (window->commandBox != 0) world.removeWindow(window->commandBox);
    world.removeWindow(handle);
    if (owner == 0 || !world.windowsOf(owner).empty()) return;
    if (SimProcess* process = world.processById(owner)) process->lastWindowClosed();
}

std::unique_ptr<platform::MainWindow> SimDesktop::createMainWindow(
    platform::MainWindowListener& listener) {
    SimWindow main;
    main.processId = process_.id();
    main.className = platform::kMainWindowClass;
    main.listener = &listener;
    const WindowHandle mainHandle = world_.addWindow(main);

    SimWindow box;
    box.processId = process_.id();
    box.className = platform::kCommandBoxClass;
    box.text = "Text1";
    box.visible = true;
    box.parent = mainHandle;
    world_.window(mainHandle)->commandBox = world_.addWindow(box);
    return std::make_unique<SimMainWindow>(world_, mainHandle);
}

WindowHandle SimDesktop::findMainWindow(std::string_view caption) const {
    for (const auto handle : world_.allWindows()) {
        const SimWindow* window = world_.window(handle);
        if (window->className == platform::kMainWindowClass && window->text == caption) return handle;
    }
    return 0;
}

WindowHandle SimDesktop::findWindowByCaption(std::string_view caption) const {
    for (const auto handle : world_.allWindows()) {
        const SimWindow* window = world_.window(handle);
        if (window->parent == 0 && window->text == caption) return handle;
    }
    return 0;
}

std::vector<WindowHandle> SimDesktop::mainWindows() const {
    std::vector<WindowHandle> out;
    for (const auto handle : world_.allWindows()) {
        if (world_.window(handle)->className == platform::kMainWindowClass) out.push_back(handle);
    }
    return out;
}

std::string SimDesktop::className(WindowHandle handle) const {
    const SimWindow* window = world_.window(handle);
    return window == nullptr ? std::string() : window->className;
}

std::string SimDesktop::windowText(WindowHandle handle) const {
    const SimWindow* window = world_.window(handle);
    return window == nullptr ? std::string() : window->text;
}

bool SimDesktop::sendText(WindowHandle handle, std::string_view text) {
    return DeliverText(world_, handle, text, process_.id());
}

bool SimDesktop::sendCommand(WindowHandle mainHandle, std::string_view text) {
    const SimWindow* main = world_.window(mainHandle);
    if (main == nullptr || main->commandBox == 0) return false;
    const SimWindow* box = world_.window(main->commandBox);
    if (box == nullptr || !box->enabled) return false;
    return DeliverText(world_, main->commandBox, text, process_.id());
}

platform::ScreenMetrics SimDesktop::screen() const { return world_.screen; }

}  // namespace kz::sim
