#pragma once
// What the language list needs from the language set: the data files, the language
// lookup and the user language names. The language set implements these; the list only
// combines them.
#include <string>
#include <string_view>

namespace kz::options {

class LanguageSource {
public:
    virtual ~LanguageSource() = default;
    // The text of a data file in the application folder ("data.dat", "order.dat"), read
    // the way every data file is read; empty when the file is missing.
    virtual std::string readDataFile(std::string_view fileName) = 0;
    // The language body of `name` with CR LF line breaks, or empty text: from the user
    // language of that name unless `builtInOnly`, else from `data` (the text of data.dat).
    virtual std::string lookupLanguage(std::string_view name, std::string_view data,
                                       bool builtInOnly) = 0;
    // The names of the user languages, each followed by ";".
    virtual std::string userLanguageNames() = 0;
};

}  // namespace kz::options
