#pragma once
// The shell as the window layer's tests stand it in: the fatal report goes
// back to the test instead of ending the process, and the loop-started flag is
// the test's.
#include <functional>
#include <string>

// The message of the fatal report that `action` made, or "(none)" when it
// returned normally.
std::string FatalMessageOf(const std::function<void()>& action);

void SetTestLoopStarted(bool started);
