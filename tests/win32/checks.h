#pragma once
// A very small check runner: each CHECK failure is printed with its place; the program
// ends with "N passed, N failed" and exits 1 when anything failed.
#include <functional>
#include <string>
#include <vector>

namespace kz::checks {

struct Case {
    const char* name;
    std::function<void()> body;
};

std::vector<Case>& Registry();
void Fail(const char* file, int line, const std::string& what);

struct Register {
    Register(const char* name, std::function<void()> body) { Registry().push_back({name, std::move(body)}); }
};

}  // namespace kz::checks

#define KZ_CONCAT2(a, b) a##b
#define KZ_CONCAT(a, b) KZ_CONCAT2(a, b)
#define CHECK_CASE(name)                                                                  \
    static void name();                                                                   \
    static ::kz::checks::Register KZ_CONCAT(register_, name)(#name, &name);               \
    static void name()
#define CHECK(condition)                                                                   \
    do {                                                                                   \
        if (!(condition)) ::kz::checks::Fail(__FILE__, __LINE__, #condition);              \
    } while (false)
#define CHECK_EQ(a, b)                                                                     \
    do {                                                                                   \
        const auto kzA = (a);                                                              \
        const auto kzB = (b);                                                              \
        if (!(kzA == kzB))                                                                 \
            ::kz::checks::Fail(__FILE__, __LINE__,                                         \
                               std::string(#a " == " #b " (") + std::to_string(kzA) + " vs " + \
                                   std::to_string(kzB) + ")");                             \
    } while (false)
