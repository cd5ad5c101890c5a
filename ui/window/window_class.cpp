#include "ui/window/window_class.h"

#include <windows.h>

#include "ui/window/hollow_window_class.h"
#include "ui/window/main_window_proc.h"

constexpr char kDefaultWindowClass[] = "WTWindow";

const char* WindowClassName(const char* ownName) {
    return ownName && *ownName ? ownName : kDefaultWindowClass;
}

bool EnsureWindowClass(const char* className) {
    return EnsureHollowWindowClass(className, MainWindowProc);
}
