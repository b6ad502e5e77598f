#pragma once
// The target window's event log: one line per event, UTF-8. The file is opened for
// appending for every line, so a test may empty it between checks and the next line
// still lands at the new end.
#include <string>

namespace target {

class EventLog {
public:
    explicit EventLog(std::wstring path) : path_(std::move(path)) {}
    void write(const std::string& line) const;

private:
    std::wstring path_;
};

}  // namespace target
