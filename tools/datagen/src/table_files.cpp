#include "table_files.h"

#include <fstream>
#include <stdexcept>

#include "utf8.h"

namespace datagen {

std::string renderCharactersFile(const CharacterTable& table) {
    std::string out;
    for (const auto& record : table.records) {
        out += hex4(record.code) + ";" + (record.upper == 0 ? std::string("0") : hex4(record.upper)) + ";" +
               std::to_string(record.code) + ";" + std::to_string(record.type) + ";" + record.name + "\r\n";
    }
    return out;
}

std::string renderGroupsFile(const CharacterTable& table) {
    std::string out;
    for (std::size_t i = 0; i < table.types.size(); ++i) out += std::to_string(i + 1) + ";" + table.types[i] + "\r\n";
    return out;
}

std::string renderOrderFile(const std::vector<std::string>& enabled, const std::vector<std::string>& disabled) {
    std::string out;
    for (const auto& name : enabled) out += (out.empty() ? "" : ";") + name;
    for (const auto& name : disabled) out += (out.empty() ? "!" : ";!") + name;
    return out;
}

void writeBinaryFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot write " + path);
    out << content;
    if (!out.flush()) throw std::runtime_error("writing " + path + " failed");
}

}  // namespace datagen
