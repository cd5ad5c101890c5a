#pragma once
// Getting control back from a call the program never returns from: a fatal
// report, or the text memory's exhaustion handler. For Windows the program's
// code is built without C++ exceptions, so a test's stand-in for such a call
// cannot throw through it; it jumps back to the test instead. The calls tested
// this way give up before they hold anything that needs cleaning up.
#include <csetjmp>
#include <functional>

namespace escape_detail {
inline std::jmp_buf* gLanding = nullptr;
}

// Called by a test's stand-in in place of ending the process: control goes
// back to the innermost RunUntilEscape.
[[noreturn]] inline void EscapeToTest() {
    std::longjmp(*escape_detail::gLanding, 1);
}

// Runs `action`; true when it called EscapeToTest, false when it returned.
inline bool RunUntilEscape(const std::function<void()>& action) {
    std::jmp_buf landing;
    std::jmp_buf* const outer = escape_detail::gLanding;
    escape_detail::gLanding = &landing;
    if (setjmp(landing) != 0) {
        escape_detail::gLanding = outer;
        return true;
    }
    action();
    escape_detail::gLanding = outer;
    return false;
}
