#include "tests/picture/kind_canvas.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "ui/window/control_kind.h"

int Capture::CountOther(int left, int top, int right, int bottom, uint32_t rgb, int tolerance) const {
    int count = 0;
    for (int y = top; y < bottom; y++) {
        for (int x = left; x < right; x++) {
            count += ChannelDistance(At(x, y), rgb) > tolerance;
        }
    }
    return count;
}

uint32_t RgbOf(COLORREF colour) {
    return (uint32_t{GetRValue(colour)} << 16) | (uint32_t{GetGValue(colour)} << 8) | GetBValue(colour);
}

std::string RgbText(uint32_t rgb) {
    char text[16];
    std::snprintf(text, sizeof(text), "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
    return text;
}

int ChannelDistance(uint32_t a, uint32_t b) {
    int largest = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        int difference = std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
        largest = difference > largest ? difference : largest;
    }
    return largest;
}

static const char kCanvasClass[] = "PictureKindTestCanvas";

KindCanvas::KindCanvas() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kCanvasClass;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassA(&windowClass); // fails harmlessly when already registered
    window = CreateWindowExA(0, kCanvasClass, "canvas", WS_OVERLAPPEDWINDOW, 50, 50, 600, 400, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
}

KindCanvas::~KindCanvas() {
    if (window) {
        DestroyWindow(window);
    }
}

HWND KindCanvas::Create(const ControlKind& kind, const std::vector<uint8_t>& record, int width, int height,
                        DWORD style) {
    CreateArgs args;
    args.kindRecord = record.empty() ? nullptr : record.data();
    args.kindRecordLength = record.size();
    args.style = style;
    args.parent = window;
    args.childId = nextChildId;
    nextChildId += 10;
    args.left = 10;
    args.top = 10;
    args.width = width;
    args.height = height;
    args.windowId = kCanvasWindowId;
    args.controlId = 0x16010000 + nextChildId;
    return kind.createControl(args);
}

static BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int KindCanvas::ChildCount() const {
    int count = 0;
    EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&count));
    return count;
}

Capture CaptureClient(HWND control) {
    RECT client = {};
    GetClientRect(control, &client);
    Capture capture;
    capture.width = client.right;
    capture.height = client.bottom;
    if (capture.width <= 0 || capture.height <= 0) {
        return capture;
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = capture.width;
    info.bmiHeader.biHeight = -capture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (!dc || !bitmap || !bits) {
        ADD_FAILURE() << "no bitmap for a " << capture.width << "x" << capture.height << " capture";
        if (dc) {
            DeleteDC(dc);
        }
        if (bitmap) {
            DeleteObject(bitmap);
        }
        return capture;
    }
    HGDIOBJ previous = SelectObject(dc, bitmap);
    auto* pixels = static_cast<uint32_t*>(bits);
    size_t count = static_cast<size_t>(capture.width) * capture.height;
    for (size_t i = 0; i < count; i++) {
        pixels[i] = kUnpainted;
    }
    SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    capture.pixels.resize(count);
    for (size_t i = 0; i < count; i++) {
        capture.pixels[i] = pixels[i] & 0x00FFFFFF;
    }
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return capture;
}
