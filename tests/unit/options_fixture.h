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

// data.dat with five languages, and the shipped order: three enabled, one disabled;
// "Polish" exists but is in no order.
inline constexpr std::string_view kDataDat =
    "French{e 00E900E8;;a 00E0}\r\n"
    "German{a 00E4;;o 00F6}\r\n"
    "Spanish{n 00F1}\r\n"
    "Czech{c 010D}\r\n"
    "Polish{l 0142}\r\n"
    "Hollow{ }\r\n";
inline constexpr std::string_view kOrderDat = "French;German;!Spanish;Czech";

// Every value of the program's keys, to tell what a step wrote.
using StoredValues = std::map<std::string, std::string>;

class PassingKeySink final : public platform::KeyEventSink {
public:
    bool onKeyEvent(const platform::KeyEvent&) noexcept override { return false; }
};

// Records the calls into the rest of the program, with the store as it was at that moment.
class RecordingProgram final : public options::RunningProgram {
public:
    explicit RecordingProgram(std::function<StoredValues()> snapshot) : snapshot_(std::move(snapshot)) {}

    void setOptionsOpen(bool open) override { optionsOpen = open; }
    void savePopupState() override { calls.push_back("savePopupState"); }
    void makePopupTopmost() override { calls.push_back("makePopupTopmost"); }
    void closeOptions() override { calls.push_back("closeOptions"); }
    bool programEnding() const override { return ending; }
    void rebuildKeyTable() override {
        calls.push_back("rebuildKeyTable");
        storeAtRebuild = snapshot_();
    }
    void clearRecentFunctionKey() override {
        calls.push_back("clearRecentFunctionKey");
        storeAtClear = snapshot_();
    }
    void showHelp(std::string_view topic) override { calls.push_back("help " + std::string(topic)); }

    bool optionsOpen = false;
    bool ending = false;
    std::vector<std::string> calls;
    std::optional<StoredValues> storeAtRebuild;
    std::optional<StoredValues> storeAtClear;

private:
    std::function<StoredValues()> snapshot_;
};

class RecordingView final : public options::OptionsView {
public:
    platform::WindowHandle dialogWindow() const override { return 0x4242; }
    void rowsChanged() override { ++rowsChangedCount; }
    void focusList() override { calls.push_back("focus"); }
    void freezeDrawing(bool frozen) override { calls.push_back(frozen ? "freeze" : "unfreeze"); }
    std::optional<std::size_t> rowNearTop() const override { return top; }
    std::optional<std::size_t> rowNearBottom() const override { return bottom; }
    void ensureVisible(std::size_t row) override { calls.push_back("visible " + std::to_string(row)); }
    void showDialog() override { calls.push_back("show"); }

    std::vector<std::string> calls;
    int rowsChangedCount = 0;
    std::optional<std::size_t> top;
    std::optional<std::size_t> bottom;
};

// The language editor: stores `bodyToSave` under `nameToSave` (as the real one does on
// OK) when a name is set, and reports it back.
class ScriptedEditor final : public options::LanguageEditor {
public:
    explicit ScriptedEditor(SettingsStore& store) : store_(store) {}
    std::string addLanguage() override {
        calls.push_back("add");
        return save();
    }
    std::string editLanguage(std::string_view name) override {
        calls.push_back("edit " + std::string(name));
        return save();
    }
    std::string nameToSave;
    std::string bodyToSave = "x 00D7";
    std::vector<std::string> calls;
    std::function<void()> whileOpen;  // what the user does meanwhile (e.g. nothing)

private:
    std::string save() {
        if (whileOpen) whileOpen();
        if (!nameToSave.empty()) store_.write(Scope::MachineWide, "Zavora\\Languages", nameToSave, bodyToSave);
        return nameToSave;
    }
    SettingsStore& store_;
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
    std::string languages() { return store.read(Scope::PerUser, "Zavora", "Languages", "<missing>"); }
    void addUserLanguage(std::string_view name, std::string_view body) {
        store.write(Scope::MachineWide, "Zavora\\Languages", name, body);
    }
    std::optional<std::string> userLanguage(std::string_view name) {
        const auto value = registry.query(Scope::MachineWide, "Software\\Kelvra\\Zavora\\Languages", name);
        if (!value) return std::nullopt;
        return value->text;
    }
    std::string stored(Scope scope, std::string_view section, std::string_view name) {
        return store.read(scope, section, name, "<missing>");
    }

    StoredValues snapshot() const {
        StoredValues all;
        for (const Scope scope : {Scope::PerUser, Scope::MachineWide}) {
            for (const char* section : {"Zavora", "Zavora\\AllCharactersScreen", "Zavora\\Languages"}) {
                const std::string path = SettingsStore::keyPath(section);
                for (const auto& value : registry.values(scope, path)) {
                    const std::string key = (scope == Scope::PerUser ? "HKCU\\" : "HKLM\\") +
                                            path + "\\" + value.name;
                    all[key] = registry.query(scope, path, value.name)->text;
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
            std::string text = (row.checked ? "" : "!") + row.text;
            if (row.isUserLanguage()) text += "(user)";
            if (row.selected) text += "*";
            out.push_back(text);
        }
        return out;
    }
    std::vector<std::string> rowNames() {
        std::vector<std::string> out;
        for (const LanguageRow& row : page().rows()) out.push_back(row.text);
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
    PassingKeySink keySink;
    sim::ScriptedMessageBoxes boxes;
    RecordingProgram program{[this] { return snapshot(); }};
    RecordingView view;
    ScriptedEditor editor{store};

private:
    std::optional<options::OptionsDialog> dialog_;
};

}  // namespace kz::options_test
