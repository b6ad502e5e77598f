#pragma once
// The program's windows on the simulated desktop: each records what the program asked of
// it, so that tests can see the popup shown, the tray icon added or help opened.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/program_windows.h"
#include "platform/sim/message_box.h"

namespace kz::sim {

// The popup window and its all-characters panel, on a screen of one 1024 x 768 monitor.
class SimPopupWindows final : public app::PopupWindows,
                              public PopupView,
                              public AllCharactersView,
                              public ScreenSource {
public:
    // app::PopupWindows
    PopupView& view() override { return *this; }
    AllCharactersView& screenView() override { return *this; }
    const ScreenSource& screen() const override { return *this; }
    void attach(PopupList& popup, AllCharacters& screen, PopupMouse& mouse) override;

    // PopupView
    void redraw() override { ++redraws; }
    void layoutChanged() override { ++layouts; }
    void place(const PopupBounds& b) override {
        ++places;
        bounds = b;
    }
    void show() override { ++shows; }
    void hide() override { ++hides; }
    void setTopmost() override { ++topmosts; }

    // AllCharactersView
    void redrawTopList() override { ++topRedraws; }
    void redrawList() override { ++listRedraws; }
    void captionsChanged() override { ++captionChanges; }

    // ScreenSource
    ScreenLayout screenLayout() const override { return layout; }

    int redraws = 0, layouts = 0, places = 0, shows = 0, hides = 0, topmosts = 0;
    int topRedraws = 0, listRedraws = 0, captionChanges = 0;
    PopupBounds bounds;
    ScreenLayout layout{.monitors = {MonitorInfo{.bounds = {0, 0, 1024, 768},
                                                 .workArea = {0, 0, 1024, 728},
                                                 .primary = true}},
                        .captionPixels = 18,
                        .dialogFramePixels = 3};
    PopupList* popup = nullptr;
    AllCharacters* allCharacters = nullptr;
    PopupMouse* mouse = nullptr;
};

// The Options dialog's window: it has no rows of its own and counts its showings.
class SimOptionsView final : public options::OptionsView {
public:
    platform::WindowHandle dialogWindow() const override { return 0; }
    void rowsChanged() override {}
    void focusList() override {}
    void freezeDrawing(bool) override {}
    std::optional<std::size_t> rowNearTop() const override { return std::nullopt; }
    std::optional<std::size_t> rowNearBottom() const override { return std::nullopt; }
    void ensureVisible(std::size_t) override {}
    void showDialog() override { ++showings; }
    int showings = 0;
};

// A language editor that saves nothing.
class SimLanguageEditor final : public options::LanguageEditor {
public:
    std::string addLanguage() override { return {}; }
    std::string editLanguage(std::string_view) override { return {}; }
};

// The tutorial window: it keeps the last page it was asked to show and its timer's interval
// (0 while stopped); its outer rectangle is fixed.
class SimTutorialView final : public TutorialView {
public:
    void show(const TutorialPage& p) override {
        page = p;
        ++shows;
    }
    void bringToFront() override { ++fronts; }
    void startMessageTimer(int ms) override { timerMs = ms; }
    void stopMessageTimer() override { timerMs = 0; }
    platform::TwipsBox bounds() const override { return {1500, 1500, 8790, 6690}; }

    TutorialPage page;
    int shows = 0, fronts = 0, timerMs = 0;
};

class SimProgramWindows final : public app::ProgramWindows {
public:
    std::unique_ptr<app::PopupWindows> createPopup() override;
    void addTrayIcon(platform::MainWindow& window, std::string_view tooltip, app::TrayActions& actions) override;
    void removeTrayIcon() override { trayActions = nullptr; }
    options::OptionsView& optionsView() override { return optionsWindow; }
    void buildOptionsWindow(platform::MainWindow&, options::OptionsDialog&) override { ++optionsBuilds; }
    options::LanguageEditor& languageEditor(const RunningSettings&) override { return editor; }
    platform::MessageBoxes& messageBoxes() override { return boxes; }
    void showAbout(const app::AboutFacts& facts) override { aboutShown.push_back(facts); }
    void showHelp(std::string_view topic) override { helpTopics.emplace_back(topic); }
    void showTutorial(const TutorialWindowLinks& links) override;
    void unloadOtherWindows() override {
        ++unloads;
        closeTutorial();
    }
    // The user closes the tutorial window.
    void closeTutorial();
    void showLanguagePicker() override { ++languagePickers; }

    app::TrayActions* trayActions = nullptr;  // set while the tray icon is there
    std::string trayTooltip;
    SimOptionsView optionsWindow;
    int optionsBuilds = 0;
    SimLanguageEditor editor;
    ScriptedMessageBoxes boxes;
    std::vector<app::AboutFacts> aboutShown;
    std::vector<std::string> helpTopics;
    int unloads = 0;
    SimTutorialView tutorialView;
    std::optional<TutorialSteps> tutorial;  // while the window is open
    TutorialLink* tutorialLink = nullptr;
    int tutorialOpenings = 0;
    int languagePickers = 0;
};

}  // namespace kz::sim
