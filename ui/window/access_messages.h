#pragma once
// Texts (GBK) of the fatal reports of the control-access operations that the
// shell's own list does not have.

// "未找到欲访问的窗口组件": the window holds no control of that id.
inline constexpr char kMessageAccessControlNotFound[] =
    "\xce\xb4\xd5\xd2\xb5\xbd\xd3\xfb\xb7\xc3\xce\xca\xb5\xc4\xb4\xb0\xbf\xda\xd7\xe9\xbc\xfe";

// "欲访问的窗口组件属性不存在": the control's kind has no property of that number.
inline constexpr char kMessageAccessPropertyUnknown[] =
    "\xd3\xfb\xb7\xc3\xce\xca\xb5\xc4\xb4\xb0\xbf\xda\xd7\xe9\xbc\xfe\xca\xf4\xd0\xd4\xb2\xbb\xb4\xe6\xd4\xda";
