#include "cldr_reader.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "utf8.h"

namespace datagen {

namespace {

struct Element {
    std::string_view attributes;  // text between the tag name and ">"
    std::string_view content;     // text between ">" and the closing tag
    std::size_t end = 0;          // position after the closing tag
};

// Finds the next <tag ...>content</tag> at or after from; nullopt when there is none.
std::optional<Element> nextElement(std::string_view xml, std::string_view tag, std::size_t from) {
    const std::string open = std::string("<").append(tag);
    const std::string close = std::string("</").append(tag).append(">");
    while (true) {
        const std::size_t start = xml.find(open, from);
        if (start == std::string_view::npos) return std::nullopt;
        const std::size_t nameEnd = start + open.size();
        if (nameEnd < xml.size() && xml[nameEnd] != ' ' && xml[nameEnd] != '>') {
            from = nameEnd;  // a longer tag name that merely starts the same way
            continue;
        }
        const std::size_t gt = xml.find('>', nameEnd);
        if (gt == std::string_view::npos) throw std::runtime_error("unterminated <" + std::string(tag));
        if (xml[gt - 1] == '/') {  // empty element, no content
            from = gt;
            continue;
        }
        const std::size_t closing = xml.find(close, gt);
        if (closing == std::string_view::npos) throw std::runtime_error("missing " + close);
        return Element{xml.substr(nameEnd, gt - nameEnd), xml.substr(gt + 1, closing - gt - 1),
                       closing + close.size()};
    }
}

std::optional<std::string> attribute(std::string_view attributes, std::string_view name) {
    const std::string key = std::string(" ").append(name).append("=\"");
    const std::size_t at = attributes.find(key);
    if (at == std::string_view::npos) return std::nullopt;
    const std::size_t valueStart = at + key.size();
    const std::size_t valueEnd = attributes.find('"', valueStart);
    if (valueEnd == std::string_view::npos) throw std::runtime_error("unterminated attribute " + std::string(name));
    return std::string(attributes.substr(valueStart, valueEnd - valueStart));
}

std::string numericReference(std::string_view body) {
    const bool hex = body.size() > 1 && (body[1] == 'x' || body[1] == 'X');
    const std::string digits(body.substr(hex ? 2 : 1));
    std::size_t used = 0;
    const unsigned long value = std::stoul(digits, &used, hex ? 16 : 10);
    if (used != digits.size() || value > 0x10FFFF) throw std::runtime_error("bad character reference");
    return encodeUtf8(std::u32string(1, static_cast<char32_t>(value)));
}

}  // namespace

std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string decodeXmlEntities(std::string_view text) {
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t amp = text.find('&', pos);
        if (amp == std::string_view::npos) break;
        out.append(text.substr(pos, amp - pos));
        const std::size_t semicolon = text.find(';', amp);
        if (semicolon == std::string_view::npos) throw std::runtime_error("unterminated entity");
        const std::string_view body = text.substr(amp + 1, semicolon - amp - 1);
        if (body == "quot") out += '"';
        else if (body == "amp") out += '&';
        else if (body == "lt") out += '<';
        else if (body == "gt") out += '>';
        else if (body == "apos") out += '\'';
        else if (!body.empty() && body[0] == '#') out += numericReference(body);
        else throw std::runtime_error("unknown entity &" + std::string(body) + ";");
        pos = semicolon + 1;
    }
    out.append(text.substr(pos));
    return out;
}

Exemplars readExemplars(std::string_view localeXml) {
    Exemplars found;
    std::size_t from = 0;
    while (const auto element = nextElement(localeXml, "exemplarCharacters", from)) {
        from = element->end;
        if (attribute(element->attributes, "alt")) continue;
        const auto type = attribute(element->attributes, "type");
        std::optional<std::string>* slot = nullptr;
        if (!type) slot = &found.main;
        else if (*type == "auxiliary") slot = &found.auxiliary;
        else if (*type == "punctuation") slot = &found.punctuation;
        if (slot != nullptr && !*slot) *slot = decodeXmlEntities(element->content);
    }
    return found;
}

std::map<std::string, std::string> readLanguageNames(std::string_view englishXml) {
    std::map<std::string, std::string> names;
    const auto block = nextElement(englishXml, "languages", 0);
    if (!block) throw std::runtime_error("no <languages> block in the English locale");
    std::size_t from = 0;
    while (const auto element = nextElement(block->content, "language", from)) {
        from = element->end;
        if (attribute(element->attributes, "alt")) continue;
        const auto type = attribute(element->attributes, "type");
        if (type) names.emplace(*type, decodeXmlEntities(element->content));
    }
    return names;
}

}  // namespace datagen
