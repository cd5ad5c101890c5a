#include "ui/kinds/picture_box.h"

#include <memory>
#include <optional>

#include "ui/description/identifiers.h"
#include "ui/description/picture_box_properties.h"
#include "ui/kinds/border_style.h"
#include "ui/kinds/drawn_control_class.h"
#include "ui/kinds/kind_color.h"
#include "ui/kinds/kind_values.h"
#include "ui/kinds/picture_drawing.h"
#include "ui/kinds/png_picture.h"
#include "ui/rules/placement.h"
#include "ui/window/control_kind.h"
#include "ui/window/hollow_window_class.h"
#include "ui/window/reflection.h"

constexpr char kPictureBoxClassName[] = "CalcPicBox";
// Display mode 3: the box takes the picture's size, then fills it.
constexpr uint32_t kDisplayFitBoxToPicture = 3;

// The picture box's own property numbers (PropertyIndex - 8).
enum PictureBoxProperty : int32_t {
    kPictureBoxBorder,
    kPictureBoxBackColor,
    kPictureBoxPicture,
    kPictureBoxDisplayMode,
    kPictureBoxPlayAnimation,
    kPictureBoxDataSource,
    kPictureBoxDataColumn,
    kPictureBoxPropertyCount
};

static const ValueClass kPictureBoxPropertyClasses[kPictureBoxPropertyCount] = {
    ValueClass::Choice, ValueClass::Colour, ValueClass::ByteBlock, ValueClass::Choice,
    ValueClass::Truth,  ValueClass::Text,   ValueClass::Text,
};

// The live state of one picture box, kept with its window (GWLP_USERDATA).
struct PictureBox {
    PictureBoxProperties properties;
    uint32_t windowId = 0;
    uint32_t controlId = 0;
    // backColor resolved when it was set: a later change of the system
    // colours does not reach a box.
    COLORREF background = 0;
    HBRUSH brush = nullptr;
    uint32_t displayMode = 0;
    std::optional<DecodedPicture> picture;

    ~PictureBox() {
        if (brush) {
            DeleteObject(brush);
        }
    }
};

static PictureBox* PictureBoxOf(HWND control) {
    return reinterpret_cast<PictureBox*>(GetWindowLongPtrA(control, GWLP_USERDATA));
}

static void SetBackground(PictureBox& box, uint32_t colour) {
    box.background = ResolveKindColor(colour);
    if (box.brush) {
        DeleteObject(box.brush);
    }
    box.brush = CreateSolidBrush(box.background);
}

// Decodes the stored picture bytes, replacing any earlier picture.
static void LoadBoxPicture(HWND control, PictureBox& box) {
    box.picture.reset();
    const std::vector<uint8_t>& bytes = box.properties.picture;
    DecodedPicture decoded;
    if (!bytes.empty() && LoadPicture(bytes.data(), bytes.size(), decoded)) {
        box.picture = std::move(decoded);
    }
    InvalidateRect(control, nullptr, FALSE);
}

// Resizes the window, keeping its place, so that its client area is exactly
// the picture's size whatever frame the window has.
static void FitWindowToPicture(HWND control, const DecodedPicture& picture) {
    RECT window;
    RECT client;
    if (!GetWindowRect(control, &window) || !GetClientRect(control, &client)) {
        return;
    }
    int frameWidth = (window.right - window.left) - client.right;
    int frameHeight = (window.bottom - window.top) - client.bottom;
    SetWindowPos(control, nullptr, 0, 0, static_cast<int>(picture.width) + frameWidth,
                 static_cast<int>(picture.height) + frameHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Modes 0..2 choose the placement of the paint; 3 fits the box to the
// picture; any other value is ignored.
static void SetDisplayMode(HWND control, PictureBox& box, uint32_t mode) {
    if (mode > kDisplayFitBoxToPicture) {
        return;
    }
    bool changed = mode != box.displayMode;
    box.displayMode = mode;
    if (mode == kDisplayFitBoxToPicture && box.picture) {
        FitWindowToPicture(control, *box.picture);
    }
    if (changed) {
        InvalidateRect(control, nullptr, FALSE);
        UpdateWindow(control);
    }
}

// Paints the box into `dc`: the background colour over the whole client
// area, then the picture. Used for WM_PAINT and WM_PRINTCLIENT alike.
static void PaintPictureBox(HWND control, const PictureBox& box, HDC dc) {
    RECT area;
    GetClientRect(control, &area);
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    HBRUSH brush = box.brush;
    if (!brush) {
        // Out of GDI objects when the colour was set: the DC's own brush
        // still covers every pixel in that colour.
        brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
        SetDCBrushColor(dc, box.background);
    }
    HGDIOBJ previousBrush = SelectObject(dc, brush);
    PatBlt(dc, area.left, area.top, width, height, PATCOPY);
    SelectObject(dc, previousBrush);
    if (!box.picture) {
        return;
    }
    PixelRect place = PlacePicture(box.displayMode, width, height, static_cast<int32_t>(box.picture->width),
                                   static_cast<int32_t>(box.picture->height));
    DrawPicture(dc, *box.picture, box.background, area.left + place.x, area.top + place.y, place.width,
                place.height);
}

// WM_PAINT: background and picture.
static LRESULT CALLBACK PictureBoxProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    PictureBox* box = PictureBoxOf(control);
    if (!box) {
        return DefWindowProcA(control, message, wParam, lParam);
    }
    if (HandlePaintMessage(control, message, wParam, [&](HDC dc) { PaintPictureBox(control, *box, dc); })) {
        return 0;
    }
    // Controls placed inside the box notify it as their parent; each handles
    // its own notification, as in the main window.
    LRESULT reflected = 0;
    if (ReflectNotification(message, wParam, lParam, reflected)) {
        return reflected;
    }
    switch (message) {
    case WM_NCDESTROY:
        // The last message: the state, brush and picture go with it.
        SetWindowLongPtrA(control, GWLP_USERDATA, 0);
        delete box;
        return DefWindowProcA(control, message, wParam, lParam);
    default:
        // Mouse, keyboard and WM_ERASEBKGND: the hollow class brush erases
        // nothing, and the box takes neither focus nor clicks.
        return DefWindowProcA(control, message, wParam, lParam);
    }
}

static HWND CreatePictureBox(const CreateArgs& args) {
    auto owned = std::make_unique<PictureBox>();
    if (args.kindRecordLength > 0 &&
        !ReadPictureBoxProperties(args.kindRecord, args.kindRecordLength, owned->properties)) {
        return nullptr;
    }
    owned->windowId = args.windowId;
    owned->controlId = args.controlId;
    if (!EnsureHollowWindowClass(kPictureBoxClassName, PictureBoxProc)) {
        return nullptr;
    }
    HWND control = CreateDrawnControl(kPictureBoxClassName, nullptr, args.style, args.parent, args.childId,
                                      args.left, args.top, args.width, args.height);
    if (!control) {
        return nullptr;
    }
    // Attached only now: a failed creation leaves nothing but this object.
    PictureBox& box = *owned.release();
    SetWindowLongPtrA(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&box));
    SetBackground(box, box.properties.backColor);
    LoadBoxPicture(control, box);
    // The border first: mode 3 sizes the window around the client area, so
    // the frame must be final by then for the client to match the picture.
    ApplyBorderStyle(control, box.properties.border);
    SetDisplayMode(control, box, box.properties.displayMode);
    return control;
}

// The numeric field behind a property number, or null for the others.
static uint32_t* NumberField(PictureBoxProperties& p, int32_t index) {
    switch (index) {
    case kPictureBoxBorder: return &p.border;
    case kPictureBoxBackColor: return &p.backColor;
    case kPictureBoxDisplayMode: return &p.displayMode;
    case kPictureBoxPlayAnimation: return &p.playAnimation;
    default: return nullptr;
    }
}

static bool GetPictureBoxProperty(HWND control, int32_t index, KindValue& value) {
    PictureBox* box = PictureBoxOf(control);
    if (!box) {
        return false;
    }
    PictureBoxProperties& p = box->properties;
    switch (index) {
    case kPictureBoxPicture: value.bytes.assign(p.picture.begin(), p.picture.end()); return true;
    case kPictureBoxDataSource: value.bytes = p.dataSource; return true;
    case kPictureBoxDataColumn: value.bytes = p.dataColumn; return true;
    default: break;
    }
    const uint32_t* field = NumberField(p, index);
    if (!field) {
        return false;
    }
    value.number = static_cast<int32_t>(*field);
    return true;
}

// Stores the value, clamped to the property's range; a picture box never
// needs re-creating.
static bool SetPictureBoxProperty(HWND control, int32_t index, const KindValue& value) {
    PictureBox* box = PictureBoxOf(control);
    if (!box) {
        return false;
    }
    PictureBoxProperties& p = box->properties;
    switch (index) {
    case kPictureBoxBorder:
        p.border = static_cast<uint32_t>(ClampChoice(value.number, 5));
        ApplyBorderStyle(control, p.border);
        return false;
    case kPictureBoxBackColor:
        p.backColor = static_cast<uint32_t>(value.number);
        SetBackground(*box, p.backColor);
        InvalidateRect(control, nullptr, FALSE);
        return false;
    case kPictureBoxPicture:
        p.picture.assign(value.bytes.begin(), value.bytes.end());
        LoadBoxPicture(control, *box);
        return false;
    case kPictureBoxDisplayMode:
        p.displayMode = static_cast<uint32_t>(ClampChoice(value.number, 2));
        SetDisplayMode(control, *box, p.displayMode);
        return false;
    case kPictureBoxPlayAnimation:
        p.playAnimation = static_cast<uint32_t>(Truth(value.number));
        return false;
    case kPictureBoxDataSource:
        p.dataSource = value.bytes;
        return false;
    case kPictureBoxDataColumn:
        p.dataColumn = value.bytes;
        return false;
    default:
        return false;
    }
}

static std::vector<uint8_t> SavePictureBoxProperties(HWND control) {
    PictureBox* box = PictureBoxOf(control);
    if (!box) {
        return WritePictureBoxProperties(PictureBoxProperties{});
    }
    PictureBoxProperties saved = box->properties;
    saved.version = kPictureBoxPropertiesVersion;
    return WritePictureBoxProperties(saved);
}

const ControlKind kPictureBoxKind = {
    kKindPicBox,
    "\xCD\xBC\xC6\xAC\xBF\xF2", // "图片框"
    "PicBox",
    0x840100C0, // a window, never focused
    kFirstKindPropertyCount + kPictureBoxPropertyCount,
    kPictureBoxPropertyClasses,
    CreatePictureBox,
    GetPictureBoxProperty,
    SetPictureBoxProperty,
    SavePictureBoxProperties,
    nullptr, // wants no key
    nullptr, // never a default button
};
