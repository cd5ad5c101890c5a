#pragma once
// Window and extended style bits of a top-level window from its properties.
#include <cstdint>

struct WindowProperties;

// The platform's style bits, written out so that this code needs no platform
// header; the Win32 name of each is in its comment.
constexpr uint32_t kStylePopup = 0x80000000;       // WS_POPUP
constexpr uint32_t kStyleMinimize = 0x20000000;    // WS_MINIMIZE
constexpr uint32_t kStyleClipChildren = 0x02000000; // WS_CLIPCHILDREN
constexpr uint32_t kStyleMaximize = 0x01000000;    // WS_MAXIMIZE
constexpr uint32_t kStyleCaption = 0x00C00000;     // WS_CAPTION (WS_BORDER | WS_DLGFRAME)
constexpr uint32_t kStyleDlgFrame = 0x00400000;    // WS_DLGFRAME
constexpr uint32_t kStyleSysMenu = 0x00080000;     // WS_SYSMENU
constexpr uint32_t kStyleThickFrame = 0x00040000;  // WS_THICKFRAME
constexpr uint32_t kStyleMinimizeBox = 0x00020000; // WS_MINIMIZEBOX
constexpr uint32_t kStyleMaximizeBox = 0x00010000; // WS_MAXIMIZEBOX
constexpr uint32_t kExStyleToolWindow = 0x00000080; // WS_EX_TOOLWINDOW
constexpr uint32_t kExStyleClientEdge = 0x00000200; // WS_EX_CLIENTEDGE

// The bits that CaptionBits decides; compare a live window's style under this
// mask with CaptionBits to see whether they must be set again.
constexpr uint32_t kCaptionBitsMask = kStyleCaption | kStyleSysMenu | kStyleMinimizeBox | kStyleMaximizeBox;

struct FrameStyle {
    uint32_t style = 0;
    uint32_t exStyle = 0;
    bool sizable = false;
    bool popup = false; // owned windows are popups
};

// stateStyle holds the style bits taken from stateFlags (WS_VISIBLE never
// among them); hasOwner is true when the window is created with an owner
// (the hidden owner included); topLevel is true for a window without parent.
// A border value above 6 counts as a fixed frame, like 2.
FrameStyle ComputeFrameStyle(const WindowProperties& properties, uint32_t stateStyle, bool hasOwner, bool topLevel);

// The caption, system-menu, minimise- and maximise-box bits alone (recomputed
// and re-applied after creation): ComputeFrameStyle's style under
// kCaptionBitsMask.
uint32_t CaptionBits(const WindowProperties& properties, bool topLevel);

// True when a window that is given no owner must be owned by the hidden owner
// window to stay out of the taskbar.
bool NeedsHiddenOwner(const WindowProperties& properties, bool ownerGiven);
