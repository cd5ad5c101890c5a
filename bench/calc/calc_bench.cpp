// The text conversions against the C library's on named input sets, and the
// whole calculation on controls held in memory. Targets: ConvertTextToNumber
// no slower than strtod on typical inputs and at most twice as slow on long
// ones; ConvertNumberToText no slower than snprintf("%.17g") on both;
// PpiCalculation under 1 µs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "calc/control_texts.h"
#include "calc/number_to_text.h"
#include "calc/ppi_calculation.h"
#include "calc/text_memory.h"
#include "calc/text_to_number.h"

// What the calculator reads and shows.
static const char* const kTypicalTexts[] = {"1920", "15.6", "2202.91", "141.2121794872"};
static const double kTypicalValues[] = {1920, 15.6, 2202.91, 141.2121794872};

// 25 to 40 significant digits with exponents near ±300.
static const char* const kLongTexts[] = {
    "1.234567890123456789012345e300",
    "9.8765432109876543210987654321e-300",
    "3.14159265358979323846264338327950288e299",
    "2.7182818284590452353602874713526624977e-301",
    "17976931348623157081452742373170435679.8e270",
    "0.000000000022250738585072013830902327173324e-297",
    "6.02214076000000000000000000001e305",
    "1.6021766340000000000000000000000000001e-305",
};

static std::vector<double> LongValues() {
    std::vector<double> values;
    for (const char* text : kLongTexts) {
        values.push_back(std::strtod(text, nullptr));
    }
    return values;
}

template <size_t count>
static void ReadAll(benchmark::State& state, const char* const (&texts)[count], double (*read)(const char*)) {
    for (auto _ : state) {
        for (const char* text : texts) {
            benchmark::DoNotOptimize(read(text));
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * count));
}

static double ReadWithStrtod(const char* text) {
    return std::strtod(text, nullptr);
}

static void BM_ConvertTextToNumber_Typical(benchmark::State& state) {
    ReadAll(state, kTypicalTexts, ConvertTextToNumber);
}
static void BM_Strtod_Typical(benchmark::State& state) {
    ReadAll(state, kTypicalTexts, ReadWithStrtod);
}
static void BM_ConvertTextToNumber_Long(benchmark::State& state) {
    ReadAll(state, kLongTexts, ConvertTextToNumber);
}
static void BM_Strtod_Long(benchmark::State& state) {
    ReadAll(state, kLongTexts, ReadWithStrtod);
}

// ConvertNumberToText makes a new text each time; releasing it is part of
// the cost of using it.
static void WriteAll(benchmark::State& state, const std::vector<double>& values) {
    for (auto _ : state) {
        for (double value : values) {
            char* text = ConvertNumberToText(value);
            benchmark::DoNotOptimize(text);
            ReleaseText(text);
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * values.size()));
}

static void WriteAllWithSnprintf(benchmark::State& state, const std::vector<double>& values) {
    char buffer[32];
    for (auto _ : state) {
        for (double value : values) {
            std::snprintf(buffer, sizeof buffer, "%.17g", value);
            benchmark::DoNotOptimize(buffer);
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * values.size()));
}

static void BM_ConvertNumberToText_Typical(benchmark::State& state) {
    WriteAll(state, std::vector<double>(std::begin(kTypicalValues), std::end(kTypicalValues)));
}
static void BM_Snprintf17g_Typical(benchmark::State& state) {
    WriteAllWithSnprintf(state, std::vector<double>(std::begin(kTypicalValues), std::end(kTypicalValues)));
}
static void BM_ConvertNumberToText_Long(benchmark::State& state) {
    WriteAll(state, LongValues());
}
static void BM_Snprintf17g_Long(benchmark::State& state) {
    WriteAllWithSnprintf(state, LongValues());
}

// The input boxes of the window, held in memory: reads hand out a new copy,
// writes keep one, as the live controls do.
class BenchControls : public ControlTexts {
public:
    std::string texts[5];

    char* ReadText(WindowId, ControlId control) override {
        const std::string& text = texts[Index(control)];
        if (text.empty()) {
            return nullptr;
        }
        char* copy = AllocateText(text.size() + 1);
        std::memcpy(copy, text.c_str(), text.size() + 1);
        return copy;
    }
    void WriteText(WindowId, ControlId control, const char* text) override { texts[Index(control)] = text; }
    void ReleaseText(char* text) override { ::ReleaseText(text); }

private:
    static int Index(ControlId control) {
        switch (control) {
        case kHorizontalPixelsBoxId:
            return 0;
        case kVerticalPixelsBoxId:
            return 1;
        case kDiagonalInchesBoxId:
            return 2;
        case kDiagonalPixelsBoxId:
            return 3;
        default:
            return 4;
        }
    }
};

static void BM_PpiCalculation(benchmark::State& state) {
    BenchControls controls;
    controls.texts[0] = "1920";
    controls.texts[1] = "1080";
    controls.texts[2] = "15.6";
    for (auto _ : state) {
        PpiCalculation(controls);
    }
    if (controls.texts[4] != "141.2121794872") {
        state.SkipWithError("wrong density");
    }
}

BENCHMARK(BM_ConvertTextToNumber_Typical);
BENCHMARK(BM_Strtod_Typical);
BENCHMARK(BM_ConvertTextToNumber_Long);
BENCHMARK(BM_Strtod_Long);
BENCHMARK(BM_ConvertNumberToText_Typical);
BENCHMARK(BM_Snprintf17g_Typical);
BENCHMARK(BM_ConvertNumberToText_Long);
BENCHMARK(BM_Snprintf17g_Long);
BENCHMARK(BM_PpiCalculation);

BENCHMARK_MAIN();
