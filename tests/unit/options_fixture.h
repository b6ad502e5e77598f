#pragma once
// The Options dialog on the simulated platform: a registry, data files in a temporary
// folder, the simulated hooks, scripted message boxes, and recording fakes of the
// program around the dialog and of the window that shows it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "charset_test_folder.h"
#include "options/options_dialog.h"
#include "platform/sim/code_page.h"
#include "platform/sim/message_box.h"
#include "platform/sim/sim_input.h"
#include "platform/sim/sim_registry.h"
#include "settings/settings_store.h"

namespace kz::options_test {

using options::LanguageRow;
using platform::Scope;
using ::testing::ElementsAre;

// data.dat with five languages, and the shipped order: three enabled, one disabled;
// "Polish" exists but is in no order.
inline constexpr std::string_view kDataDat =
    "French{e 00E900E8;;a 00E0}\r\nGerman{a 00E4;;o 00F6}\r\nSpanish{n 00F1}\r\n"
    "Czech{c 010D}\r\nPolish{l 0142}\r\nHollow{ }\r\n";
inline constexpr std::string_view kOrderDat = "French;German;!Spanish;Czech";
inline constexpr std::string_view kUserLanguagesKey = "Software\\Kelvra\\Zavora\\Languages";

// Every value of the program's keys, to tell what a step wrote.
using StoredValues = std::map<std::string, std::string>;

// Records the calls into the rest of the program, with the stored order and trigger as
// they were at the two calls whose moment within saving matters.
class RecordingProgram final : public options::RunningProgram {
public:
    explicit RecordingProgram(const SettingsStore& store) : store_(store) {}

    void setOptionsOpen(bool open) override { optionsOpen = open; }
    void savePopupState() override { calls.push_back("savePopupState"); }
    void makePopupTopmost() override { calls.push_back("makePopupTopmost"); }
    void closeOptions() override { calls.push_back("closeOptions"); }
    bool programEnding() const override { return ending; }
    void rebuildKeyTable() override {
        calls.push_back("rebuildKeyTable");
        languagesAtRebuild = store_.read(Scope::PerUser, "Zavora", "Languages", "<missing>");
    }
    void clearRecentFunctionKey() override {
        calls.push_back("clearRecentFunctionKey");
        triggerAtClear = store_.read(Scope::PerUser, "Zavora", "Trigger", "<missing>");
    }
    void showHelp(std::string_view topic) override { calls.push_back("help " + std::string(topic)); }

    bool optionsOpen = false;
    bool ending = false;
    std::vector<std::string> calls;
    std::string languagesAtRebuild;
    std::string triggerAtClear;

private:
    const SettingsStore& store_;
};

class RecordingView final : public options::OptionsView {
public:
    platform::WindowHandle dialogWindow() const override { return 0x4242; }
    void rowsChanged() override {}
    void focusList() override { calls.push_back("focus"); }
    void freezeDrawing(bool frozen) override { calls.push_back(frozen ? "freeze" : "unfreeze"); }
    std::optional<std::size_t> rowNearTop() const override { return top; }
    std::optional<std::size_t> rowNearBottom() const override { return bottom; }
    void ensureVisible(std::size_t row) override { calls.push_back("visible " + std::to_string(row)); }
    void showDialog() override { calls.push_back("show"); }

    std::vector<std::string> calls;
    std::optional<std::size_t> top;
    std::optional<std::size_t> bottom;
};

// The language editor: runs `whileOpen` (what the user does meanwhile), then stores
// `bodyToSave` under `nameToSave`, as the real one does on OK, when a name is set.
class ScriptedEditor final : public options::LanguageEditor {
public:
    explicit ScriptedEditor(sim::SimRegistry& registry) : registry_(registry) {}
    std::string addLanguage() override { return save("add"); }
    std::string editLanguage(std::string_view name) override { return save("edit " + std::string(name)); }

    std::string nameToSave;
    std::vector<std::string> calls;
    std::function<void()> whileOpen;

private:
    std::string save(std::string call) {
        calls.push_back(std::move(call));
        if (whileOpen) whileOpen();
        if (!nameToSave.empty()) registry_.writeString(Scope::MachineWide, kUserLanguagesKey, nameToSave, "x 00D7");
        return nameToSave;
    }
    sim::SimRegistry& registry_;
};

class OptionsTest : public ::testing::Test {
protected:
    OptionsTest() {
        files.write("data.dat", kDataDat);
        files.write("order.dat", kOrderDat);
    }

    // Built on first use, so a test can arrange files and store first.
    options::OptionsDialog& dialog() {
        if (!dialog_) {
            dialog_.emplace(options::OptionsDialogLinks{
                .store = store,
                .running = running,
                .hooks = input,
                .messageBoxes = boxes,
                .program = program,
                .view = view,
                .dataFolder = {files.path(), codePage},
                .editor = editor,
            });
        }
        return *dialog_;
    }
    options::LanguagesPage& page() { return dialog().languagesPage(); }

    void setLanguages(std::string_view text) { store.write(Scope::PerUser, "Zavora", "Languages", text); }
    std::string languages() { return stored(Scope::PerUser, "Zavora", "Languages"); }
    void addUserLanguage(std::string_view name, std::string_view body) {
        registry.writeString(Scope::MachineWide, kUserLanguagesKey, name, body);
    }
    void removeUserLanguage(std::string_view name) { registry.remove(Scope::MachineWide, kUserLanguagesKey, name); }
    std::string userLanguage(std::string_view name) { return stored(Scope::MachineWide, "Zavora\\Languages", name); }
    std::string stored(Scope scope, std::string_view section, std::string_view name) {
        return store.read(scope, section, name, "<missing>");
    }

    StoredValues snapshot() const {
        StoredValues all;
        for (const Scope scope : {Scope::PerUser, Scope::MachineWide}) {
            for (const char* section : {"Zavora", "Zavora\\AllCharactersScreen", "Zavora\\Languages"}) {
                for (const auto& value : registry.values(scope, SettingsStore::keyPath(section))) {
                    const std::string key = std::to_string(int(scope)) + section + "\\" + value.name;
                    all[key] = store.read(scope, section, value.name, "");
                }
            }
        }
        return all;
    }

    // The rows as "Name", "!Name" for unchecked, "*" after a selected row's name and
    // "(user)" after a user language.
    std::vector<std::string> rowSummary() {
        std::vector<std::string> out;
        for (const LanguageRow& row : page().rows()) {
            out.push_back((row.checked ? "" : "!") + row.text + (row.isUserLanguage() ? "(user)" : "") +
                          (row.selected ? "*" : ""));
        }
        return out;
    }
    // A plain click on a row: it becomes the only selected row.
    void clickRow(std::size_t row) {
        for (std::size_t i = 0; i < page().rows().size(); ++i) page().setRowSelected(i, i == row);
        page().rowClick(row);
    }
    // Ctrl + click: adds the row to the selection.
    void ctrlClickRow(std::size_t row) {
        page().setRowSelected(row, true);
        page().rowClick(row);
    }

    kz::testing::DataFolder files;
    sim::SimRegistry registry;
    SettingsStore store{registry};
    sim::Windows1252CodePage codePage;
    RunningSettings running;
    sim::SimInput input;
    sim::ScriptedMessageBoxes boxes;
    RecordingProgram program{store};
    RecordingView view;
    ScriptedEditor editor{registry};

private:
    std::optional<options::OptionsDialog> dialog_;
};

}  // namespace kz::options_test
