#include "app/command_boxes.h"

#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "app/names.h"
#include "settings/setting_access.h"

namespace kz::app {
namespace {

std::vector<std::string> SplitEntries(std::string_view list) {
    std::vector<std::string> entries;
    if (list.empty()) return entries;
    std::size_t start = 0;
    for (;;) {
        const auto end = list.find(';', start);
        entries.emplace_back(list.substr(start, end - start));
        if (end == std::string_view::npos) return entries;
        start = end + 1;
    }
}

std::optional<platform::WindowHandle> HandleOf(std::string_view entry) {
    platform::WindowHandle handle = 0;
    const auto result = std::from_chars(entry.data(), entry.data() + entry.size(), handle);
    if (result.ec != std::errc() || result.ptr != entry.data() + entry.size() || entry.empty()) {
        return std::nullopt;
    }
    return handle;
}

}  // namespace

void CommandBoxes::clean() {
    std::string kept;
    for (const auto& entry : SplitEntries(settings::Read(store_, settings::kCommHwds))) {
        const auto handle = HandleOf(entry);
        if (!handle) continue;
        if (desktop_.className(*handle) != platform::kCommandBoxClass) continue;
        if (desktop_.windowText(*handle) != kIdleCommandText) continue;
        if (!kept.empty()) kept += ';';
        kept += entry;
    }
    settings::Write(store_, settings::kCommHwds, kept);
}

void CommandBoxes::registerBox(platform::WindowHandle box) {
    clean();
    std::string list = settings::Read(store_, settings::kCommHwds);
    if (!list.empty()) list += ';';
    list += std::to_string(box);
    settings::Write(store_, settings::kCommHwds, list);
}

void CommandBoxes::broadcast(std::string_view command, platform::WindowHandle own) {
    clean();
    for (const auto& entry : SplitEntries(settings::Read(store_, settings::kCommHwds))) {
        const auto handle = HandleOf(entry);
        if (handle && *handle != own) desktop_.sendText(*handle, command);
    }
}

}  // namespace kz::app
