// Unloading the main window and the commands that ask for it. The tag decides:
// "unloadonly" just unloads, "unload" runs the exit sequence, anything else (the user
// closed the Options dialog) hides the window and keeps the instance running.
#include "app/command_rules.h"
#include "app/instance.h"
#include "app/names.h"

namespace kz::app {

void Instance::exitProgram() {
    tag_ = kTagUnload;
    unloadMainWindow();
}

bool Instance::ending() const {
    return tag_ == kTagUnload || !window_ || window_->handle() == 0;
}

void Instance::unloadMainWindow() {
    if (unloaded_ || !window_ || window_->handle() == 0) return;  // already gone
    if (tag_ == kTagUnloadOnly) {
        unloaded_ = true;
        return window_->destroy();
    }
    if (tag_ == kTagUnload) return exitSequence();
    window_->setVisible(false);
    optionsOpen_ = false;
    // The service instance has no popup and no hook; a stray close message must not give
    // it either.
    if (switches_.service) return;
    steps_.makePopupTopmost();
    steps_.installKeyboardHook();  // it is removed while the dialog is shown
}

void Instance::exitSequence() {
    unloaded_ = true;
    steps_.removeKeyboardHook();
    steps_.removeTrayIcon();
    steps_.unloadPopup();
    steps_.unloadOtherForms();
    window_->stopTimer();
    window_->destroy();  // with no window left the process ends
}

void Instance::onCloseRequested() { unloadMainWindow(); }

void Instance::onCommandTextChanged() {
    if (!window_ || window_->handle() == 0) return;
    switch (DecideCommand(window_->caption(), window_->commandText())) {
        case CommandAction::Exit:
            exitProgram();
            break;
        case CommandAction::ResetText:
            window_->setCommandText(kIdleCommandText);  // runs this handler once more
            break;
        case CommandAction::Nothing:
            break;
    }
}

}  // namespace kz::app
