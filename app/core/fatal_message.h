#pragma once
// Texts of the fatal reports (GBK).
#include <cstddef>
#include <string>

// The body of the run-time error box: "运行时出错!", an empty line, the error
// code when it is not 0, and the message when it is not empty (null counts as
// empty).
std::string FatalReportText(const char* message, int errorCode);

// "分配 n 字节内存失败!" for a refused allocation of n bytes, n written as a
// signed 32-bit decimal (as the 32-bit program sees a size).
std::string MemoryFailureMessage(size_t byteCount);

// The box's title, "错误".
extern const char kFatalReportTitle[];

// Message texts of the fatal reports.
extern const char kMessageDescriptionUnreadable[]; // "载入窗口模板数据段出错!"
extern const char kMessageStartWindowFailed[];     // "载入启动窗口失败"
extern const char kMessageEventWindowNotFound[];   // "未找到引发事件的窗口"
extern const char kMessageEventControlNotFound[];  // "未找到引发事件的窗口组件"
extern const char kMessageEventControlInvalid[];   // "引发事件的窗口组件无效"
extern const char kMessageAccessWindowNotLoaded[]; // "未载入欲访问窗口组件所在的窗口"
extern const char kMessageControlNotLoaded[];      // "指定窗口尚未载入"
