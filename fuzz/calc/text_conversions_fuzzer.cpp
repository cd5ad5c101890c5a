// libFuzzer target over the text conversions: the input is a text for
// FoldFullWidth and ConvertTextToNumber, and its first 8 bytes a double for
// ConvertNumberToText. See README.md for how to run it.
#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "calc/double_to_decimal17.h"
#include "calc/fold_full_width.h"
#include "calc/number_to_text.h"
#include "calc/text_memory.h"
#include "calc/text_to_number.h"

static void Fail(const char* what) {
    std::fprintf(stderr, "property violated: %s\n", what);
    std::abort();
}

// Texts of ConvertNumberToText: at most 20 characters from a small set.
static void CheckNumberText(const char* text) {
    size_t length = std::strlen(text);
    if (length == 0 || length > 20) {
        Fail("text length outside 1..20");
    }
    for (const char* c = text; *c != 0; ++c) {
        if (std::strchr("0123456789-.+e#", *c) == nullptr && !(*c >= 'A' && *c <= 'Z')) {
            Fail("unexpected character in a number text");
        }
    }
}

// A finite value's text reads back within one step of its 13th digit (the
// step is at most |value| × 1e-12, plus the last subnormal for tiny values).
static void CheckReadsBack(double value) {
    if (!std::isfinite(value)) {
        return;
    }
    char* text = ConvertNumberToText(value);
    CheckNumberText(text);
    double back = ConvertTextToNumber(text);
    ReleaseText(text);
    long double difference = std::fabs(static_cast<long double>(back) - value);
    long double allowed = std::fabs(static_cast<long double>(value)) * 1.000001e-12L + 4.9406564584124654e-324L;
    if (!(difference <= allowed)) {
        Fail("text does not read back within one 13-digit step");
    }
    if (value != 0) {
        Decimal17 fast = DoubleToDecimal17(std::fabs(value));
        Decimal17 exact = DoubleToDecimal17Exact(std::fabs(value));
        if (fast.digits != exact.digits || fast.exponent != exact.exponent) {
            Fail("fast and exact 17-digit expansions differ");
        }
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exactly sized heap copy with its terminator, so that AddressSanitizer
    // catches any read past the end of the text.
    char* text = static_cast<char*>(std::malloc(size + 1));
    std::memcpy(text, data, size);
    text[size] = 0;

    char* folded = FoldFullWidth(text);
    if (std::strlen(folded) > std::strlen(text)) {
        Fail("folded text longer than the text");
    }
    ReleaseText(folded);

    CheckReadsBack(ConvertTextToNumber(text));
    std::free(text);

    if (size >= 8) {
        double value;
        std::memcpy(&value, data, sizeof value);
        char* written = ConvertNumberToText(value);
        CheckNumberText(written);
        ReleaseText(written);
        CheckReadsBack(value);
    }
    return 0;
}

// New inputs go into the first corpus directory named on the command line.
// So that the checked-in seed corpus stays as it is (it may also be
// read-only), a scratch directory is put in front of it:
// $TMPDIR/text_conversions_fuzzer.corpus, kept between runs. Set
// PPICALC_FUZZ_OUTPUT to choose another, or to "none" to write into the
// first named directory as libFuzzer normally does.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    const char* choice = std::getenv("PPICALC_FUZZ_OUTPUT");
    if (choice != nullptr && std::strcmp(choice, "none") == 0) {
        return 0;
    }
    int firstInput = 1;
    while (firstInput < *argc && (*argv)[firstInput][0] == '-') {
        ++firstInput;
    }
    struct stat info;
    if (firstInput >= *argc || stat((*argv)[firstInput], &info) != 0 || !S_ISDIR(info.st_mode)) {
        return 0;  // no corpus directory (a single input file is run as it is)
    }
    static std::string scratch;
    if (choice != nullptr && *choice != 0) {
        scratch = choice;
    } else {
        const char* temporary = std::getenv("TMPDIR");
        scratch = std::string(temporary != nullptr && *temporary != 0 ? temporary : "/tmp") +
                  "/text_conversions_fuzzer.corpus";
    }
    if (mkdir(scratch.c_str(), 0777) != 0 && errno != EEXIST) {
        return 0;
    }
    static std::vector<char*> arguments;
    arguments.assign(*argv, *argv + firstInput);
    arguments.push_back(scratch.data());
    arguments.insert(arguments.end(), *argv + firstInput, *argv + *argc);
    arguments.push_back(nullptr);
    *argc += 1;
    *argv = arguments.data();
    std::fprintf(stderr, "text_conversions_fuzzer: new inputs go to %s\n", scratch.c_str());
    return 0;
}
