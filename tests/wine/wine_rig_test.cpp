// The environment the Windows tests expect from the rig: ANSI code page 936,
// GBK texts that reach the system intact, a font with GB2312 glyphs and a
// 1920x1080 primary screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

// "计算" in GBK and in UTF-16.
static const char kGbkText[] = "\xBC\xC6\xCB\xE3";
static const wchar_t kWideText[] = L"\x8BA1\x7B97";

static std::wstring FromAnsi(const char* text) {
    wchar_t buffer[64] = {};
    int n = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text, -1, buffer, 64);
    return n > 0 ? std::wstring(buffer) : std::wstring(L"<conversion failed>");
}

static int CALLBACK CountFont(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return 1;
}

static LRESULT CALLBACK PlainWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(hwnd, msg, wp, lp);
}

TEST(WineRig, AnsiCodePageIsGbk) {
    EXPECT_EQ(GetACP(), 936u) << "the rig must run with LANG/LC_ALL=zh_CN.UTF-8";
}

TEST(WineRig, GbkTextConvertsToUnicode) {
    EXPECT_EQ(FromAnsi(kGbkText), std::wstring(kWideText));
}

TEST(WineRig, FontWithGb2312GlyphsIsInstalled) {
    HDC dc = GetDC(nullptr);
    ASSERT_NE(dc, nullptr) << "GetDC failed, error " << GetLastError();
    LOGFONTA query = {};
    query.lfCharSet = GB2312_CHARSET;
    int count = 0;
    EnumFontFamiliesExA(dc, &query, CountFont, reinterpret_cast<LPARAM>(&count), 0);
    ReleaseDC(nullptr, dc);
    EXPECT_GT(count, 0) << "no GB2312 font; install fonts-wqy-zenhei";
}

TEST(WineRig, PrimaryScreenIs1920By1080) {
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
}

TEST(WineRig, GbkCaptionReadsBackAsUnicode) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PlainWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "WineRigTestWindow";
    ASSERT_NE(RegisterClassA(&wc), 0) << "RegisterClassA failed, error " << GetLastError();
    HWND hwnd = CreateWindowExA(0, wc.lpszClassName, kGbkText, WS_OVERLAPPEDWINDOW, 10, 10, 200,
                                100, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(hwnd, nullptr) << "CreateWindowExA failed, error " << GetLastError();
    wchar_t caption[16] = {};
    GetWindowTextW(hwnd, caption, 16);
    char ansi[16] = {};
    GetWindowTextA(hwnd, ansi, 16);
    DestroyWindow(hwnd);
    UnregisterClassA(wc.lpszClassName, wc.hInstance);
    EXPECT_EQ(std::wstring(caption), std::wstring(kWideText));
    EXPECT_STREQ(ansi, kGbkText);
}
