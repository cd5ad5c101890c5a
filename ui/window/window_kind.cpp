#include "ui/window/window_kind.h"

#include <windows.h>

#include <algorithm>

#include "app/program_icons.h"
#include "app/shell_queries.h"
#include "ui/description/identifiers.h"
#include "ui/description/window_properties.h"
#include "ui/rules/frame_style.h"
#include "ui/rules/kind_traits.h"
#include "ui/rules/placement.h"
#include "ui/window/control_kind.h"
#include "ui/window/icon_bytes.h"
#include "ui/window/main_window_proc.h"
#include "ui/window/window_class.h"
#include "ui/window/window_object.h"

constexpr uint32_t kStartCentred = 1;
constexpr uint32_t kStartMinimised = 2;
constexpr uint32_t kStartMaximised = 3;
constexpr uint32_t kShapeEllipse = 1;
constexpr uint32_t kShapeRoundedRectangle = 2;

// Features this program's windows do without: a background picture, a
// background sound that would start, and outlines beyond the ellipse and the
// rounded rectangle. A description asking for them is refused rather than
// shown differently from what it says.
static bool IsSupported(const WindowProperties& properties) {
    bool soundStarts = !properties.music.empty() && properties.musicMode <= 1;
    return properties.picture.empty() && !soundStarts && properties.shape <= kShapeRoundedRectangle;
}

static void StartPlace(const WindowProperties& properties, const CreateArgs& args, int& left, int& top) {
    left = args.left;
    top = args.top;
    if (properties.startPosition == kStartCentred) {
        int32_t centredLeft = 0;
        int32_t centredTop = 0;
        CentreOnScreen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), args.width, args.height,
                       centredLeft, centredTop);
        left = centredLeft;
        top = centredTop;
    }
}

// The system decides some style bits of a new window itself (an overlapped
// window always gets a caption); the caption, system-menu and box bits are
// set again as the properties say.
static void ReapplyCaptionBits(HWND window, const WindowProperties& properties) {
    auto style = static_cast<uint32_t>(GetWindowLongA(window, GWL_STYLE));
    uint32_t wanted = CaptionBits(properties, true);
    if ((style & kCaptionBitsMask) == wanted) {
        return;
    }
    SetWindowLongA(window, GWL_STYLE, static_cast<LONG>((style & ~kCaptionBitsMask) | wanted));
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The stored size is the outer size whatever the frame and theme: a system
// that made the window bigger or smaller is overruled.
static void EnforceOuterRectangle(HWND window, int left, int top, int width, int height) {
    if (IsIconic(window) || IsZoomed(window)) {
        return;
    }
    RECT rect{};
    GetWindowRect(window, &rect);
    if (rect.left != left || rect.top != top || rect.right - rect.left != width || rect.bottom - rect.top != height) {
        SetWindowPos(window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

static void ApplyIcons(HWND window, const WindowProperties& properties) {
    WindowObject* object = WindowObjectOf(window);
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    if (object && !properties.icon.empty()) {
        object->bigIcon = CreateIconFromFileBytes(properties.icon.data(), properties.icon.size(),
                                                  GetSystemMetrics(SM_CXICON));
        object->smallIcon = CreateIconFromFileBytes(properties.icon.data(), properties.icon.size(),
                                                    GetSystemMetrics(SM_CXSMICON));
        bigIcon = object->bigIcon;
        smallIcon = object->smallIcon;
    }
    // Icon bytes that cannot be read leave the window with the program icon.
    if (!bigIcon || !smallIcon) {
        GetProgramIcons(bigIcon, smallIcon);
    }
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
}

static void ApplyShape(HWND window, const WindowProperties& properties, int width, int height) {
    HRGN region = nullptr;
    if (properties.shape == kShapeEllipse) {
        region = CreateEllipticRgn(0, 0, width, height);
    } else if (properties.shape == kShapeRoundedRectangle) {
        int corner = std::min(width, height) / 5;
        region = CreateRoundRectRgn(0, 0, width, height, corner, corner);
    }
    // The window owns the region from here on.
    if (region && !SetWindowRgn(window, region, FALSE)) {
        DeleteObject(region);
    }
}

static void FinishWindow(HWND window, const WindowProperties& properties, int width, int height) {
    ApplyIcons(window, properties);
    ApplyShape(window, properties, width, height);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    if (properties.topmost == 1) {
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    if (properties.movable == 0) {
        DeleteMenu(GetSystemMenu(window, FALSE), SC_MOVE, MF_BYCOMMAND);
    }
}

// Creates the window hidden; BuildWindow shows it once its controls stand.
static HWND CreateWindowOfKind(const CreateArgs& args) {
    WindowProperties properties;
    if (!ReadWindowProperties(args.kindRecord, args.kindRecordLength, properties) || !IsSupported(properties)) {
        return nullptr;
    }
    const char* className = WindowClassName(properties.className.c_str());
    if (!EnsureWindowClass(className)) {
        return nullptr;
    }
    HWND owner = args.parent;
    // Only a program whose kind is non-zero keeps such windows out of the
    // taskbar through the hidden owner.
    if (ProgramKind() != 0 && NeedsHiddenOwner(properties, owner != nullptr)) {
        owner = HiddenOwnerWindow();
    }
    FrameStyle frame = ComputeFrameStyle(properties, args.style, owner != nullptr, true);
    int left = 0;
    int top = 0;
    StartPlace(properties, args, left, top);
    WindowCreationParams params{args.windowId, &properties};
    HWND window = CreateWindowExA(frame.exStyle, className, properties.caption.c_str(), frame.style, left, top,
                                  args.width, args.height, owner, args.menu, GetModuleHandleA(nullptr), &params);
    if (!window) {
        return nullptr;
    }
    ReapplyCaptionBits(window, properties);
    EnforceOuterRectangle(window, left, top, args.width, args.height);
    FinishWindow(window, properties, args.width, args.height);
    return window;
}

void ShowWindowOfKind(HWND window, const WindowProperties& properties) {
    int command = SW_SHOW;
    if (ProgramKind() != 0) {
        if (properties.startPosition == kStartMaximised) {
            command = SW_SHOWMAXIMIZED;
        } else if (properties.startPosition == kStartMinimised) {
            command = SW_SHOWMINIMIZED;
        }
    }
    ShowWindow(window, command);
}

// The window's own properties are read and written through its record and
// its window object; the kind has no property access of its own here.
const ControlKind kWindowKind = {
    kKindWindow,
    "\xB4\xB0\xBF\xDA", // "窗口"
    "window",
    kTraitsWindow,
    32,
    nullptr,
    CreateWindowOfKind,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};
