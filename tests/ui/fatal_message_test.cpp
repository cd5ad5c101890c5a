#include "app/core/fatal_message.h"

#include <climits>

#include <gtest/gtest.h>

#include "tests/ui/hex_text.h"

// GBK bytes of the fixed texts, as iconv gives them.
static const std::string kRunTimeError = HexText("D4CB D0D0 CAB1 B3F6 B4ED 21 0D0A 0D0A"); // 运行时出错!\r\n\r\n
static const std::string kCodeLabel = HexText("B4ED CEF3 B4FA C2EB A3BA");             // 错误代码：
static const std::string kMessageLabel = HexText("B4ED CEF3 D0C5 CFA2 A3BA");          // 错误信息：
static const std::string kStartWindowFailed = HexText("D4D8 C8EB C6F4 B6AF B4B0 BFDA CAA7 B0DC"); // 载入启动窗口失败

TEST(FatalMessage, ReportText) {
    struct Case {
        const char* what;
        const char* message;
        int errorCode;
        std::string expected;
    };
    const Case cases[] = {
        {"message only", kMessageStartWindowFailed, 0, kRunTimeError + kMessageLabel + kStartWindowFailed + "\r\n"},
        {"code and message", "x", 123, kRunTimeError + kCodeLabel + "123\r\n\r\n" + kMessageLabel + "x\r\n"},
        {"negative code, no message", "", -1, kRunTimeError + kCodeLabel + "-1\r\n\r\n"},
        {"smallest code", nullptr, INT32_MIN, kRunTimeError + kCodeLabel + "-2147483648\r\n\r\n"},
        {"neither", nullptr, 0, kRunTimeError},
    };
    for (const Case& c : cases) {
        std::string text = FatalReportText(c.message, c.errorCode);
        EXPECT_EQ(ToHex(text), ToHex(c.expected)) << c.what;
    }
}

TEST(FatalMessage, MemoryFailure) {
    const std::string head = HexText("B7D6 C5E4 20");                            // "分配 "
    const std::string tail = HexText("20 D7D6 BDDA C4DA B4E6 CAA7 B0DC 21");     // " 字节内存失败!"
    struct Case {
        size_t byteCount;
        const char* shown;
    };
    const Case cases[] = {
        {100, "100"},
        {0, "0"},
        {0x7FFFFFFF, "2147483647"},
        {0x80000000u, "-2147483648"}, // %d of a 32-bit size
        {0xFFFFFFFFu, "-1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToHex(MemoryFailureMessage(c.byteCount)), ToHex(head + c.shown + tail)) << c.byteCount;
    }
}

TEST(FatalMessage, Texts) {
    struct Case {
        const char* text;
        const char* hex;
    };
    const Case cases[] = {
        {kFatalReportTitle, "B4 ED CE F3"}, // 错误
        {kMessageDescriptionUnreadable,
         "D4 D8 C8 EB B4 B0 BF DA C4 A3 B0 E5 CA FD BE DD B6 CE B3 F6 B4 ED 21"}, // 载入窗口模板数据段出错!
        {kMessageStartWindowFailed, "D4 D8 C8 EB C6 F4 B6 AF B4 B0 BF DA CA A7 B0 DC"}, // 载入启动窗口失败
        {kMessageEventWindowNotFound,
         "CE B4 D5 D2 B5 BD D2 FD B7 A2 CA C2 BC FE B5 C4 B4 B0 BF DA"}, // 未找到引发事件的窗口
        {kMessageEventControlNotFound,
         "CE B4 D5 D2 B5 BD D2 FD B7 A2 CA C2 BC FE B5 C4 B4 B0 BF DA D7 E9 BC FE"}, // 未找到引发事件的窗口组件
        {kMessageEventControlInvalid,
         "D2 FD B7 A2 CA C2 BC FE B5 C4 B4 B0 BF DA D7 E9 BC FE CE DE D0 A7"}, // 引发事件的窗口组件无效
        {kMessageAccessWindowNotLoaded,
         "CE B4 D4 D8 C8 EB D3 FB B7 C3 CE CA B4 B0 BF DA D7 E9 BC FE CB F9 D4 DA B5 C4 B4 B0 BF DA"}, // 未载入欲访问窗口组件所在的窗口
        {kMessageControlNotLoaded, "D6 B8 B6 A8 B4 B0 BF DA C9 D0 CE B4 D4 D8 C8 EB"}, // 指定窗口尚未载入
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToHex(c.text), c.hex);
    }
}
