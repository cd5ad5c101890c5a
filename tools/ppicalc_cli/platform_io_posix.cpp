// Arguments arrive in the locale's encoding; iconv turns them into GBK.
#include <iconv.h>
#include <langinfo.h>

#include <cerrno>
#include <clocale>
#include <cstring>

#include "tools/ppicalc_cli/platform_io.h"

void PrepareStandardStreams() {}

// The C locale names plain ASCII; treat it as UTF-8, its superset, so that a
// UTF-8 terminal works without a locale being set.
static const char* ArgumentEncoding() {
    std::setlocale(LC_CTYPE, "");
    const char* codeset = nl_langinfo(CODESET);
    if (codeset == nullptr || std::strcmp(codeset, "ANSI_X3.4-1968") == 0 || std::strcmp(codeset, "US-ASCII") == 0) {
        return "UTF-8";
    }
    return codeset;
}

static bool ConvertToGbk(iconv_t converter, const std::string& in, std::string& out) {
    out.clear();
    std::string source = in;
    char* inPointer = source.data();
    size_t inLeft = source.size();
    char buffer[256];
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
        char* outPointer = buffer;
        size_t outLeft = sizeof buffer;
        size_t result = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
        out.append(buffer, static_cast<size_t>(outPointer - buffer));
        if (result == static_cast<size_t>(-1) && errno != E2BIG) {
            return false;  // EILSEQ or EINVAL: not valid input, or no GBK form
        }
    }
    return true;
}

bool GetGbkArguments(int argc, char** argv, std::vector<std::string>& arguments, std::string& error) {
    const char* encoding = ArgumentEncoding();
    iconv_t converter = iconv_open("GBK", encoding);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        error = std::string("cannot convert from ") + encoding + " to GBK";
        return false;
    }
    arguments.clear();
    bool ok = true;
    for (int i = 1; i < argc && ok; ++i) {
        std::string converted;
        ok = ConvertToGbk(converter, argv[i], converted);
        if (ok) {
            arguments.push_back(converted);
        } else {
            error = "argument " + std::to_string(i) + " is not " + encoding + " text with a GBK form";
        }
    }
    iconv_close(converter);
    return ok;
}
