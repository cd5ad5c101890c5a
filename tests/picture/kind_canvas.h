#pragma once
// A parent window for label and picture-box controls under test, and a
// capture of what a control paints (through WM_PRINTCLIENT, the same paint
// code as WM_PAINT) into a 32-bit top-down bitmap.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct ControlKind;

constexpr uint32_t kCanvasWindowId = 0x52010001;
// The colour a capture starts with, which no paint in the tests uses: a pixel
// left in it was not painted.
constexpr uint32_t kUnpainted = 0x00FE01FE;

// The pixels of a capture, 0x00RRGGBB each, rows top-down.
struct Capture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    // Pixels of the rectangle [left, right) x [top, bottom) that differ from
    // `rgb` by more than `tolerance` in some channel.
    int CountOther(int left, int top, int right, int bottom, uint32_t rgb, int tolerance = 0) const;
};

// 0x00RRGGBB of a COLORREF (0x00BBGGRR).
uint32_t RgbOf(COLORREF colour);
std::string RgbText(uint32_t rgb);
// Largest channel difference of two 0x00RRGGBB colours.
int ChannelDistance(uint32_t a, uint32_t b);

class KindCanvas {
public:
    KindCanvas();
    ~KindCanvas();
    KindCanvas(const KindCanvas&) = delete;
    KindCanvas& operator=(const KindCanvas&) = delete;

    HWND Window() const { return window; }
    // A control of `kind` at (10, 10) of this size made from the record;
    // null when the kind refuses it.
    HWND Create(const ControlKind& kind, const std::vector<uint8_t>& record, int width, int height,
                DWORD style = 0);
    int ChildCount() const;

private:
    HWND window = nullptr;
    UINT nextChildId = 100;
};

// What the control paints into its client area.
Capture CaptureClient(HWND control);
