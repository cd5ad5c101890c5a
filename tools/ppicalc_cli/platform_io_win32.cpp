// Arguments are taken from the UTF-16 command line and converted to code
// page 936 (GBK), so characters outside the ANSI code page survive too.
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "tools/ppicalc_cli/platform_io.h"

constexpr UINT kGbkCodePage = 936;

void PrepareStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
}

static bool WideToGbk(const wchar_t* wide, std::string& out) {
    BOOL usedDefault = FALSE;
    int size = WideCharToMultiByte(kGbkCodePage, 0, wide, -1, nullptr, 0, nullptr, &usedDefault);
    if (size <= 0 || usedDefault) {
        return false;
    }
    out.assign(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(kGbkCodePage, 0, wide, -1, out.data(), size, nullptr, nullptr);
    out.resize(static_cast<size_t>(size) - 1);  // without the terminator
    return true;
}

bool GetGbkArguments(int, char**, std::vector<std::string>& arguments, std::string& error) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        error = "cannot read the command line";
        return false;
    }
    arguments.clear();
    bool ok = true;
    for (int i = 1; i < count && ok; ++i) {
        std::string converted;
        ok = WideToGbk(wide[i], converted);
        if (ok) {
            arguments.push_back(converted);
        } else {
            error = "argument " + std::to_string(i) + " has no GBK form";
        }
    }
    LocalFree(wide);
    return ok;
}
