// What ends the program when an exception escapes everything. The C++ runtime's own
// handler prints the exception's type through a name demangler that is a tenth of the
// program's size; this one prints what the exception says and stops the same way. It
// replaces the runtime's handler at link time, so the demangler is never linked in.
#include <cstdio>
#include <cstdlib>
#include <exception>

#if defined(__GLIBCXX__)

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    try {
        if (const auto escaped = std::current_exception()) std::rethrow_exception(escaped);
        std::fputs("zavora: terminated\n", stderr);
    } catch (const std::exception& error) {
        std::fputs("zavora: terminated by an exception: ", stderr);
        std::fputs(error.what(), stderr);
        std::fputs("\n", stderr);
    } catch (...) {
        std::fputs("zavora: terminated by an exception\n", stderr);
    }
    std::abort();
}

}  // namespace __gnu_cxx

#endif
