#pragma once
// A language editor on the simulated platform: its own small data files in a temporary
// folder, the simulated registry, scripted message boxes and a view that records where
// the focus was sent.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "charset/character_file.h"
#include "charset_test_folder.h"
#include "editor/editor_model.h"
#include "platform/sim/code_page.h"
#include "platform/sim/message_box.h"
#include "platform/sim/sim_registry.h"
#include "settings/settings_store.h"

namespace kz::testing {

class RecordingEditorView final : public editor::EditorView {
public:
    platform::WindowHandle window() const override { return kWindow; }
    void focusNameBox() override { focus.push_back("name"); }
    void focusList(editor::ListSide side) override {
        focus.push_back(side == editor::ListSide::Left ? "left" : "right");
    }
    static constexpr platform::WindowHandle kWindow = 0x4711;
    std::vector<std::string> focus;
};

// Type 1 "with acute": á é í ó ú ő (ő lies outside the Western code page); type 2
// "with grave": à è; type 3 has no characters. ç (00E7) has no record at all.
inline constexpr std::string_view kGroups = "1;with acute\r\n2;with grave\r\n3;nothing\r\n";
inline constexpr std::string_view kCharacters =
    "00E1;00C1;225;1;a with acute\r\n"
    "00E9;00C9;233;1;e with acute\r\n"
    "00ED;00CD;237;1;i with acute\r\n"
    "00F3;00D3;243;1;o with acute\r\n"
    "00FA;00DA;250;1;u with acute\r\n"
    "0151;0150;0;1;o with double acute\r\n"
    "00E0;00C0;224;2;a with grave\r\n"
    "00E8;00C8;232;2;e with grave\r\n";
// French mixes CR LF and ";;" lines and repeats è on e; Breton is only built in.
inline constexpr std::string_view kLanguages =
    "French{e 00E900E800E8;;a 00E0\r\nc 00E7}\r\nBreton{u 00F9}\r\n";

inline constexpr std::string_view kLanguagesKey = "Software\\Kelvra\\Zavora\\Languages";

class EditorTest : public ::testing::Test {
protected:
    EditorTest() {
        folder.write("groups.dat", kGroups);
        folder.write("characters.dat", kCharacters);
        folder.write("data.dat", kLanguages);
        LoadCharacterTable(characters, folder.path(), codePage);
    }

    // Opens the editor as the Options dialog does ("Add Language" when `name` is empty).
    editor::EditorModel& open(std::string_view name = {}, std::string layout = "00000809") {
        editor = std::make_unique<editor::EditorModel>(editor::EditorLinks{
            store, codePage, characters, folder.path(), std::move(layout), messages, view});
        if (!name.empty()) editor->LoadLanguage(name, true);
        return *editor;
    }

    std::string stored(std::string_view name) {
        const auto value = registry.query(platform::Scope::MachineWide, kLanguagesKey, name);
        return value ? value->text : "<none>";
    }
    void storeLanguage(std::string_view name, std::string_view body) {
        registry.writeString(platform::Scope::MachineWide, kLanguagesKey, name, body);
    }

    DataFolder folder;
    sim::SimRegistry registry;
    SettingsStore store{registry};
    sim::Windows1252CodePage codePage;
    CharacterTable characters;
    sim::ScriptedMessageBoxes messages;
    RecordingEditorView view;
    std::unique_ptr<editor::EditorModel> editor;
};

// Key indexes of the on-screen keyboard used by the tests.
enum TestKey : int {
    kKeyE = 2, kKeyU = 6, kKeyCloseBracket = 11, kKeyA = 12, kKeyQuote = 22, kKeyHash = 23,
    kKeyBackslash = 24, kKeyC = 27, kKey1 = 35, kKey2 = 36, kKey3 = 37,
};

}  // namespace kz::testing
