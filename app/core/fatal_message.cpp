#include "app/core/fatal_message.h"

#include <cstdint>

// All texts are GBK bytes.
const char kFatalReportTitle[] = "\xB4\xED\xCE\xF3"; // 错误
const char kMessageDescriptionUnreadable[] =
    "\xD4\xD8\xC8\xEB\xB4\xB0\xBF\xDA\xC4\xA3\xB0\xE5\xCA\xFD\xBE\xDD\xB6\xCE\xB3\xF6\xB4\xED!"; // 载入窗口模板数据段出错!
const char kMessageStartWindowFailed[] = "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC"; // 载入启动窗口失败
const char kMessageEventWindowNotFound[] =
    "\xCE\xB4\xD5\xD2\xB5\xBD\xD2\xFD\xB7\xA2\xCA\xC2\xBC\xFE\xB5\xC4\xB4\xB0\xBF\xDA"; // 未找到引发事件的窗口
const char kMessageEventControlNotFound[] =
    "\xCE\xB4\xD5\xD2\xB5\xBD\xD2\xFD\xB7\xA2\xCA\xC2\xBC\xFE\xB5\xC4\xB4\xB0\xBF\xDA\xD7\xE9\xBC\xFE"; // 未找到引发事件的窗口组件
const char kMessageEventControlInvalid[] =
    "\xD2\xFD\xB7\xA2\xCA\xC2\xBC\xFE\xB5\xC4\xB4\xB0\xBF\xDA\xD7\xE9\xBC\xFE\xCE\xDE\xD0\xA7"; // 引发事件的窗口组件无效
const char kMessageAccessWindowNotLoaded[] =
    "\xCE\xB4\xD4\xD8\xC8\xEB\xD3\xFB\xB7\xC3\xCE\xCA\xB4\xB0\xBF\xDA\xD7\xE9\xBC\xFE\xCB\xF9\xD4\xDA\xB5\xC4\xB4\xB0\xBF\xDA"; // 未载入欲访问窗口组件所在的窗口
const char kMessageControlNotLoaded[] = "\xD6\xB8\xB6\xA8\xB4\xB0\xBF\xDA\xC9\xD0\xCE\xB4\xD4\xD8\xC8\xEB"; // 指定窗口尚未载入

static const char kReportHead[] = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n"; // 运行时出错!\r\n\r\n
static const char kErrorCodeLabel[] = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA";    // 错误代码：
static const char kErrorMessageLabel[] = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA"; // 错误信息：

std::string FatalReportText(const char* message, int errorCode) {
    std::string text = kReportHead;
    if (errorCode != 0) {
        text += kErrorCodeLabel;
        text += std::to_string(errorCode); // the same digits as "%d", sign included
        text += "\r\n\r\n";
    }
    if (message && *message) {
        text += kErrorMessageLabel;
        text += message;
        text += "\r\n";
    }
    return text;
}

static const char kAllocateWord[] = "\xB7\xD6\xC5\xE4 ";                           // "分配 "
static const char kBytesFailed[] = " \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!"; // " 字节内存失败!"

// The count is shown as the 32-bit program formats it with "%d": the size
// taken as a signed 32-bit number. (The whole text is at most 30 bytes, well
// within the 100-byte buffer the report was sized for.)
std::string MemoryFailureMessage(size_t byteCount) {
    int32_t shown = static_cast<int32_t>(static_cast<uint32_t>(byteCount));
    return kAllocateWord + std::to_string(shown) + kBytesFailed;
}
