#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "calc/control_texts.h"
#include "calc/ppi_calculation.h"
#include "calc/text_memory.h"

// Controls held in memory. It records every read, write and release, hands
// out texts the way the live window does (a new copy, or null when empty)
// and checks that each text the calculation obtained is released once.
class RecordingControls : public ControlTexts {
public:
    std::map<uint32_t, std::string> texts;
    std::vector<std::string> log;
    std::vector<std::string> problems;

    char* ReadText(WindowId window, ControlId control) override {
        CheckWindow(window);
        log.push_back("read " + Name(control));
        const std::string& text = texts[control];
        if (text.empty()) {
            return nullptr;
        }
        char* copy = AllocateText(text.size() + 1);
        std::memcpy(copy, text.c_str(), text.size() + 1);
        outstanding.insert(copy);
        return copy;
    }

    void WriteText(WindowId window, ControlId control, const char* text) override {
        CheckWindow(window);
        log.push_back("write " + Name(control));
        texts[control] = text != nullptr ? text : "";
        outstanding.insert(const_cast<char*>(text));  // a converted text, to be released next
    }

    void ReleaseText(char* text) override {
        log.push_back(text == nullptr ? "release null" : "release");
        if (text == nullptr) {
            return;
        }
        if (outstanding.erase(text) == 0) {
            problems.push_back("released a text that was not handed out, or released it twice");
            return;
        }
        ::ReleaseText(text);
    }

    size_t UnreleasedCount() const { return outstanding.size(); }

private:
    void CheckWindow(WindowId window) {
        if (window != kMainWindowId) {
            problems.push_back("wrong window " + std::to_string(window));
        }
    }

    static std::string Name(ControlId control) {
        switch (control) {
        case kHorizontalPixelsBoxId:
            return "box1";
        case kVerticalPixelsBoxId:
            return "box2";
        case kDiagonalInchesBoxId:
            return "box3";
        case kDiagonalPixelsBoxId:
            return "box4";
        case kDensityBoxId:
            return "box5";
        default:
            return "unknown control " + std::to_string(control);
        }
    }

    std::set<char*> outstanding;
};

static RecordingControls RunCalculation(const std::string& width, const std::string& height, const std::string& inches) {
    RecordingControls controls;
    controls.texts[kHorizontalPixelsBoxId] = width;
    controls.texts[kVerticalPixelsBoxId] = height;
    controls.texts[kDiagonalInchesBoxId] = inches;
    PpiCalculation(controls);
    return controls;
}

TEST(PpiCalculation, ReadsWritesAndReleasesInOrder) {
    RecordingControls controls = RunCalculation("1920", "", "15.6");  // box2 empty: read back as null
    const std::vector<std::string> expected = {
        "read box1",  "release",      "read box2", "release null", "write box4", "release",
        "read box4",  "release",      "read box3", "release",      "write box5", "release",
    };
    EXPECT_EQ(controls.log, expected) << "got: " << testing::PrintToString(controls.log);
    EXPECT_EQ(controls.UnreleasedCount(), 0u);
    EXPECT_TRUE(controls.problems.empty()) << testing::PrintToString(controls.problems);
}

TEST(PpiCalculation, ShowsDiagonalAndDensity) {
    struct Case {
        const char* width;
        const char* height;
        const char* inches;
        const char* diagonal;  // 编辑框4
        const char* density;   // 编辑框5
    };
    const Case cases[] = {
        {"1920", "1080", "15.6", "2202.91", "141.2121794872"},  // from the rounded diagonal, not 141.2119980822
        {"2560", "1440", "27", "2937.21", "108.7855555556"},
        {"3840", "2160", "15.6", "4405.81", "282.4237179487"},
        {"1366", "768", "14", "1567.09", "111.935"},
        {"1080", "1920", "5.5", "2202.91", "400.5290909091"},
        {"", "", "", "0", "-1.#IND"},                            // 0 / 0: the default NaN
        {"1920", "1080", "", "2202.91", "1.#INF"},
        {"1920", "1080", "0", "2202.91", "1.#INF"},
        {"1920", "1080", "-0", "2202.91", "-1.#INF"},
        {"\xA3\xB1\xA3\xB9\xA3\xB2\xA3\xB0", "\xA3\xB1\xA3\xB0\xA3\xB8\xA3\xB0", "\xA3\xB1\xA3\xB5\xA3\xAE\xA3\xB6",
         "2202.91", "141.2121794872"},                           // full-width digits and stop
        {"1920px", "1080", "15.6\xD3\xA2\xB4\xE7", "2202.91", "141.2121794872"},  // 15.6英寸
        {"abc", "1080", "5", "1080", "216"},
        {"-1920", "1080", "-15.6", "2202.91", "-141.2121794872"},
        {"1e155", "1", "15.6", "1.#INF", "0.06410256410256"},    // the square overflows; 1.#INF reads back as 1
    };
    for (const Case& c : cases) {
        RecordingControls controls = RunCalculation(c.width, c.height, c.inches);
        std::string inputs = testing::PrintToString(std::vector<std::string>{c.width, c.height, c.inches});
        EXPECT_EQ(controls.texts[kDiagonalPixelsBoxId], c.diagonal) << "inputs " << inputs;
        EXPECT_EQ(controls.texts[kDensityBoxId], c.density) << "inputs " << inputs;
        EXPECT_EQ(controls.texts[kHorizontalPixelsBoxId], c.width) << "an input box changed";
        EXPECT_EQ(controls.UnreleasedCount(), 0u) << "inputs " << inputs;
        EXPECT_TRUE(controls.problems.empty()) << testing::PrintToString(controls.problems);
    }
}

TEST(PpiCalculation, ASecondRunWritesTheSameTexts) {
    RecordingControls controls = RunCalculation("2560", "1440", "27");
    PpiCalculation(controls);
    EXPECT_EQ(controls.texts[kDiagonalPixelsBoxId], "2937.21");
    EXPECT_EQ(controls.texts[kDensityBoxId], "108.7855555556");
    EXPECT_EQ(controls.log.size(), 24u);
    EXPECT_EQ(controls.UnreleasedCount(), 0u);
}
