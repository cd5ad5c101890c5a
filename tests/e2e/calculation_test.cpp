// The calculation through the real window: inputs put into the three boxes,
// 按钮1 pressed by mouse or Space, results read back from 编辑框4 (the rounded
// diagonal, hidden) and 编辑框5 (the density).
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/calculation_driver_extras.h"
#include "tests/e2e/driver.h"

namespace {

struct CalculationCase {
    const char* what;
    std::string horizontal;
    std::string vertical;
    std::string size;
    std::string diagonal; // expected text of 编辑框4
    std::string density;  // expected text of 编辑框5
};

// The results shown for the usual screens.
const CalculationCase kWorkedResults[] = {
    {"full HD laptop", "1920", "1080", "15.6", "2202.91", "141.2121794872"},
    {"QHD monitor", "2560", "1440", "27", "2937.21", "108.7855555556"},
    {"4K laptop", "3840", "2160", "15.6", "4405.81", "282.4237179487"},
    {"small laptop; the density has few digits", "1366", "768", "14", "1567.09", "111.935"},
    {"portrait phone", "1080", "1920", "5.5", "2202.91", "400.5290909091"},
};

// A text not produced by any calculation, put into both result boxes before
// a press so that the press is seen to write them.
const char kUnwritten[] = "?";

class CalculationTest : public testing::Test {
protected:
    void SetUp() override {
        std::string error = StartCalculator(calculator);
        ASSERT_EQ(error, "") << "the calculator did not start";
    }

    void PutInputs(const CalculationCase& c) {
        ASSERT_TRUE(SetTextBytes(calculator.horizontal, c.horizontal)) << c.what;
        ASSERT_TRUE(SetTextBytes(calculator.vertical, c.vertical)) << c.what;
        ASSERT_TRUE(SetTextBytes(calculator.size, c.size)) << c.what;
    }

    void MarkResultsUnwritten() {
        ASSERT_TRUE(SetTextBytes(calculator.diagonal, kUnwritten));
        ASSERT_TRUE(SetTextBytes(calculator.density, kUnwritten));
    }

    // Waits for the press to write 编辑框5 (written last), then compares both.
    void ExpectResults(const CalculationCase& c) {
        bool written = WaitFor([&] { return ReadWindowTextBytes(calculator.density) != kUnwritten; },
                               kResultTimeoutMs);
        ASSERT_TRUE(written) << c.what << ": the press wrote no result within " << kResultTimeoutMs << " ms";
        std::string diagonal = ReadWindowTextBytes(calculator.diagonal);
        std::string density = ReadWindowTextBytes(calculator.density);
        EXPECT_EQ(diagonal, c.diagonal) << c.what << ": diagonal got " << Shown(diagonal) << ", expected "
                                        << Shown(c.diagonal);
        EXPECT_EQ(density, c.density) << c.what << ": density got " << Shown(density) << ", expected "
                                      << Shown(c.density);
    }

    void CalculateByMouse(const CalculationCase& c) {
        PutInputs(c);
        MarkResultsUnwritten();
        ASSERT_TRUE(ClickControl(calculator.window, calculator.button)) << c.what << ": click failed";
        ExpectResults(c);
    }

    Calculator calculator;
};

TEST_F(CalculationTest, WorkedResultsWithMouseClicks) {
    for (const CalculationCase& c : kWorkedResults) {
        CalculateByMouse(c);
    }
}

// Typed with real keys, Tab from box to box and on to the button, Space on it.
TEST_F(CalculationTest, WorkedResultsTypedAndSpaceOnTheButton) {
    for (const CalculationCase& c : kWorkedResults) {
        PutInputs({c.what, "", "", "", "", ""});
        MarkResultsUnwritten();
        ASSERT_TRUE(FocusByClick(calculator.window, calculator.horizontal)) << c.what;
        ASSERT_TRUE(TypeIntoBox(calculator.window, calculator.horizontal, c.horizontal)) << c.what;
        ASSERT_TRUE(MoveFocusWithKeys(calculator.window, {VK_TAB}, calculator.vertical)) << c.what;
        ASSERT_TRUE(TypeIntoBox(calculator.window, calculator.vertical, c.vertical)) << c.what;
        ASSERT_TRUE(MoveFocusWithKeys(calculator.window, {VK_TAB}, calculator.size)) << c.what;
        ASSERT_TRUE(TypeIntoBox(calculator.window, calculator.size, c.size)) << c.what;
        ASSERT_TRUE(MoveFocusWithKeys(calculator.window, {VK_TAB}, calculator.button))
            << c.what << ": Tab from the size box did not reach the button";
        ASSERT_TRUE(PressChordIn(calculator.window, {VK_SPACE})) << c.what;
        ExpectResults(c);
    }
}

TEST_F(CalculationTest, UnusualInputsGiveTheirDocumentedTexts) {
    const std::string longZeros(20000, '0');
    const CalculationCase cases[] = {
        {"all empty: 0 / 0 is the default NaN", "", "", "", "0", "-1.#IND"},
        {"size empty divides by zero", "1920", "1080", "", "2202.91", "1.#INF"},
        {"size 0 divides by zero", "1920", "1080", "0", "2202.91", "1.#INF"},
        {"size -0 divides by negative zero", "1920", "1080", "-0", "2202.91", "-1.#INF"},
        // "１９２０", "１０８０", "１５．６" in full-width characters
        {"full-width digits and stop", "\xA3\xB1\xA3\xB9\xA3\xB2\xA3\xB0", "\xA3\xB1\xA3\xB0\xA3\xB8\xA3\xB0",
         "\xA3\xB1\xA3\xB5\xA3\xAE\xA3\xB6", "2202.91", "141.2121794872"},
        // "15.6英寸"
        {"text after the numbers is ignored", "1920px", "1080", "15.6\xD3\xA2\xB4\xE7", "2202.91",
         "141.2121794872"},
        {"text without a number counts as 0", "abc", "1080", "5", "1080", "216"},
        {"negative inputs", "-1920", "1080", "-15.6", "2202.91", "-141.2121794872"},
        {"an overflowing square; 1.#INF reads back as 1", "1e155", "1", "15.6", "1.#INF", "0.06410256410256"},
        {"20000 leading zeros", longZeros + "1920", longZeros + "1080", longZeros + "15.6", "2202.91",
         "141.2121794872"},
        {"a stray lead byte at the end", "1920\x81", "1080\xFE", "15.6\xA3", "2202.91", "141.2121794872"},
        {"control characters around the numbers", "\t1920\x01", "1080\x02\x1B", " 15.6\x7F", "2202.91",
         "141.2121794872"},
    };
    for (const CalculationCase& c : cases) {
        CalculateByMouse(c);
    }
}

TEST_F(CalculationTest, PressingTwiceWritesTheSameTextsAgain) {
    const CalculationCase& c = kWorkedResults[0];
    CalculateByMouse(c);
    // Only the results are marked; the inputs stay as they are.
    MarkResultsUnwritten();
    ASSERT_TRUE(ClickControl(calculator.window, calculator.button));
    ExpectResults(c);
}

TEST_F(CalculationTest, EnterInAnInputBoxDoesNotCalculate) {
    const CalculationCase& c = kWorkedResults[0];
    PutInputs(c);
    // Only keys reach the window, so nothing but Enter could press the button:
    // the focus starts in the first box and Tab takes it to the next.
    ASSERT_TRUE(BringToForeground(calculator.window));
    ASSERT_TRUE(WaitForFocus(calculator.window, calculator.horizontal));
    for (HWND box : {calculator.horizontal, calculator.vertical, calculator.size}) {
        int id = GetDlgCtrlID(box);
        if (box != calculator.horizontal) {
            ASSERT_TRUE(MoveFocusWithKeys(calculator.window, {VK_TAB}, box)) << "box " << id;
        }
        // Keys are handled in order: once the 7 typed after Enter shows, Enter
        // has been handled too.
        std::string before = ReadWindowTextBytes(box);
        ASSERT_TRUE(PressChordIn(calculator.window, {VK_RETURN}) && TypeCharacters("7")) << "box " << id;
        ASSERT_TRUE(WaitFor([&] { return ReadWindowTextBytes(box).size() == before.size() + 1; }, kResultTimeoutMs))
            << "box " << id << ": the 7 typed after Enter never showed; text is " << Shown(ReadWindowTextBytes(box));
        EXPECT_EQ(ReadWindowTextBytes(calculator.density), "PPI") << "Enter in box " << id << " calculated";
        EXPECT_EQ(ReadWindowTextBytes(calculator.diagonal), "") << "Enter in box " << id << " calculated";
    }
}

// A paste of tens of thousands of characters reaches the calculation whole.
TEST_F(CalculationTest, LongPastedInputCalculates) {
    const std::string pasted = std::string(40000, '0') + "1920";
    ASSERT_TRUE(PutOnClipboard(nullptr, pasted)) << "clipboard unavailable, GetLastError " << GetLastError();
    ASSERT_TRUE(SetTextBytes(calculator.horizontal, ""));
    ASSERT_TRUE(SetTextBytes(calculator.vertical, "1080"));
    ASSERT_TRUE(SetTextBytes(calculator.size, "15.6"));
    ASSERT_TRUE(FocusByClick(calculator.window, calculator.horizontal));
    ASSERT_TRUE(PressChordIn(calculator.window, {VK_CONTROL, 'V'}));
    ASSERT_TRUE(WaitForText(calculator.horizontal, pasted))
        << "the paste did not arrive whole; box holds " << Shown(ReadWindowTextBytes(calculator.horizontal));
    MarkResultsUnwritten();
    ASSERT_TRUE(ClickControl(calculator.window, calculator.button));
    ExpectResults({"pasted", "", "", "", "2202.91", "141.2121794872"});
}

} // namespace
