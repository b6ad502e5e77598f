#include <cstdio>

#include "checks.h"

namespace kz::checks {

namespace {
int failures = 0;
}

std::vector<Case>& Registry() {
    static std::vector<Case> cases;
    return cases;
}

void Fail(const char* file, int line, const std::string& what) {
    ++failures;
    std::printf("  FAILED %s:%d: %s\n", file, line, what.c_str());
}

}  // namespace kz::checks

int wmain() {
    int passed = 0;
    int failed = 0;
    for (const auto& c : kz::checks::Registry()) {
        const int before = kz::checks::failures;
        c.body();
        const bool ok = kz::checks::failures == before;
        std::printf("%s %s\n", ok ? "ok    " : "FAILED", c.name);
        (ok ? passed : failed)++;
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    return failed == 0 ? 0 : 1;
}
