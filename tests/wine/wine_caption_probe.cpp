// A window whose caption and client text are GBK strings, for checking on a
// screenshot that CJK text renders under the rig. It takes its GBK caption
// only once its client area has been painted, so a watcher that waits for the
// caption knows the text is on the screen. Closes itself after 30 s.
#include <windows.h>

// "中文标题 像素密度" and "每英寸像素 计算".
static const char kCaption[] = "\xD6\xD0\xCE\xC4\xB1\xEA\xCC\xE2 \xCF\xF1\xCB\xD8\xC3\xDC\xB6\xC8";
static const char kBody[] = "\xC3\xBF\xD3\xA2\xB4\xE7\xCF\xF1\xCB\xD8 \xBC\xC6\xCB\xE3 PPI";
static const UINT_PTR kCloseTimer = 1;

static void OnPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    TextOutA(dc, 20, 20, kBody, lstrlenA(kBody));
    SelectObject(dc, old);
    EndPaint(hwnd, &ps);
    SetWindowTextA(hwnd, kCaption);
}

static LRESULT CALLBACK ProbeWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT:
            OnPaint(hwnd);
            return 0;
        case WM_TIMER:
            DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ProbeWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "WineCaptionProbe";
    if (!RegisterClassA(&wc)) {
        return 1;
    }
    HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "probe", WS_OVERLAPPEDWINDOW, 100, 100, 400,
                                150, nullptr, nullptr, instance, nullptr);
    if (!hwnd) {
        return 1;
    }
    ShowWindow(hwnd, SW_SHOW);
    SetTimer(hwnd, kCloseTimer, 30000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
