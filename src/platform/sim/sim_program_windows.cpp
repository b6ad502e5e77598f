#include "platform/sim/sim_program_windows.h"

namespace kz::sim {

void SimPopupWindows::attach(PopupList& list, AllCharacters& screen, PopupMouse& popupMouse) {
    popup = &list;
    allCharacters = &screen;
    mouse = &popupMouse;
}

std::unique_ptr<app::PopupWindows> SimProgramWindows::createPopup() {
    return std::make_unique<SimPopupWindows>();
}

void SimProgramWindows::addTrayIcon(platform::MainWindow&, std::string_view tooltip, app::TrayActions& actions) {
    trayActions = &actions;
    trayTooltip = std::string(tooltip);
}

void SimProgramWindows::showTutorial(const TutorialWindowLinks& links) {
    if (tutorial) return;  // one window: the open one comes forward
    ++tutorialOpenings;
    tutorialView = SimTutorialView{};
    tutorial.emplace(TutorialSteps::Links{.view = tutorialView, .store = links.store, .popup = links.popup});
    tutorialLink = &links.link;
    tutorialLink->set(&*tutorial);
}

void SimProgramWindows::closeTutorial() {
    if (tutorialLink != nullptr) tutorialLink->set(nullptr);
    tutorial.reset();
}

}  // namespace kz::sim
