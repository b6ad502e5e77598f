// Minimal reading of CLDR locale files: exemplar sets and English language names.
// The files are well-formed XML written by one tool; we look only for the few elements we
// need by their literal tags rather than pull in an XML library.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace datagen {

struct Exemplars {
    std::optional<std::string> main;       // the language's own letters, set notation, UTF-8
    std::optional<std::string> auxiliary;  // less common letters (loan words, names)
    std::optional<std::string> punctuation;
};

std::string readWholeFile(const std::string& path);

// Replaces &quot; &amp; &lt; &gt; &apos; and numeric references; throws on anything else.
std::string decodeXmlEntities(std::string_view text);

// The first <exemplarCharacters> without a type, and the first of type "auxiliary" and of
// type "punctuation"; variants carrying an alt attribute are ignored.
Exemplars readExemplars(std::string_view localeXml);

// Language code -> English display name, from the <languages> block of en.xml
// (entries with an alt attribute, such as short forms, are ignored).
std::map<std::string, std::string> readLanguageNames(std::string_view englishXml);

}  // namespace datagen
