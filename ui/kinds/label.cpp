#include "ui/kinds/label.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "ui/description/identifiers.h"
#include "ui/description/label_properties.h"
#include "ui/kinds/border_style.h"
#include "ui/kinds/drawn_control_class.h"
#include "ui/kinds/gradient_paint.h"
#include "ui/kinds/kind_color.h"
#include "ui/kinds/kind_font.h"
#include "ui/kinds/kind_values.h"
#include "ui/kinds/picture_drawing.h"
#include "ui/kinds/png_picture.h"
#include "ui/rules/placement.h"
#include "ui/window/control_kind.h"
#include "ui/window/hollow_window_class.h"

constexpr char kLabelClassName[] = "CalcLabel";
constexpr int kMinGradientBorderWidth = 5;

// The label's own property numbers (PropertyIndex - 8).
enum LabelProperty : int32_t {
    kLabelText,
    kLabelEffect,
    kLabelBorder,
    kLabelGradientBorderWidth,
    kLabelGradientBorderColor1,
    kLabelGradientBorderColor2,
    kLabelGradientBorderColor3,
    kLabelFont,
    kLabelTextColor,
    kLabelBackColor,
    kLabelPicture,
    kLabelPictureMode,
    kLabelGradientBackMode,
    kLabelGradientBackColor1,
    kLabelGradientBackColor2,
    kLabelGradientBackColor3,
    kLabelHAlign,
    kLabelWordWrap,
    kLabelVAlign,
    kLabelDataSource,
    kLabelDataColumn,
    kLabelPropertyCount
};

static const ValueClass kLabelPropertyClasses[kLabelPropertyCount] = {
    ValueClass::Text,      ValueClass::Choice,    ValueClass::Choice, ValueClass::Integer, ValueClass::Colour,
    ValueClass::Colour,    ValueClass::Colour,    ValueClass::Font,   ValueClass::Colour,  ValueClass::Colour,
    ValueClass::ByteBlock, ValueClass::Choice,    ValueClass::Choice, ValueClass::Colour,  ValueClass::Colour,
    ValueClass::Colour,    ValueClass::Choice,    ValueClass::Truth,  ValueClass::Choice,  ValueClass::Text,
    ValueClass::Text,
};

// The live state of one label, kept with its window (GWLP_USERDATA).
struct Label {
    LabelProperties properties;
    uint32_t windowId = 0;
    uint32_t controlId = 0;
    // Decoded at the first paint that needs it, then kept.
    std::optional<DecodedPicture> picture;
};

static Label* LabelOf(HWND control) {
    return reinterpret_cast<Label*>(GetWindowLongPtrA(control, GWLP_USERDATA));
}

// The decoded background picture, decoding it on first use. Bytes that
// cannot be decoded are dropped, so they are not tried again at every paint.
static const DecodedPicture* BackgroundPicture(Label& label) {
    if (!label.picture && !label.properties.picture.empty()) {
        DecodedPicture decoded;
        if (LoadPicture(label.properties.picture.data(), label.properties.picture.size(), decoded)) {
            label.picture = std::move(decoded);
        } else {
            label.properties.picture.clear();
        }
    }
    return label.picture ? &*label.picture : nullptr;
}

// Draws the background picture in `area` by pictureMode and takes what it
// covers out of `fill`, the part still to be painted in the solid colour.
static void DrawBackgroundPicture(HDC dc, const DecodedPicture& picture, uint32_t mode, COLORREF background,
                                  const RECT& area, HRGN fill, bool& fillLeft) {
    if (mode == 1) {
        TilePicture(dc, picture, background, area);
        fillLeft = false;
        return;
    }
    PixelRect place = PlacePicture(mode, area.right - area.left, area.bottom - area.top,
                                   static_cast<int32_t>(picture.width), static_cast<int32_t>(picture.height));
    int x = area.left + place.x;
    int y = area.top + place.y;
    DrawPicture(dc, picture, background, x, y, place.width, place.height);
    HRGN drawn = CreateRectRgn(x, y, x + place.width, y + place.height);
    if (drawn) {
        CombineRgn(fill, fill, drawn, RGN_DIFF);
        DeleteObject(drawn);
    }
}

// Picture, gradient or solid colour under the text, inside `area` and the
// DC's clip rectangle `clip`.
static void PaintBackground(HDC dc, Label& label, const RECT& area, const RECT& clip) {
    const LabelProperties& p = label.properties;
    COLORREF background = ResolveKindColor(p.backColor);
    HRGN fill = CreateRectRgnIndirect(&clip);
    bool fillLeft = true;
    // A picture that cannot be decoded is dropped here, and the label then
    // looks as one without a picture, from this paint on.
    if (const DecodedPicture* picture = BackgroundPicture(label)) {
        DrawBackgroundPicture(dc, *picture, p.pictureMode, background, area, fill, fillLeft);
    } else if (p.gradientBackMode != 0) {
        GradientColours colours = GatherGradientColours(p.gradientBackColor1, p.gradientBackColor2,
                                                        p.gradientBackColor3);
        if (PaintGradientBackground(dc, area, p.gradientBackMode, colours)) {
            fillLeft = false;
        }
    }
    if (fillLeft && fill) {
        HBRUSH brush = CreateSolidBrush(background);
        if (brush) {
            FillRgn(dc, fill, brush);
            DeleteObject(brush);
        }
    }
    if (fill) {
        DeleteObject(fill);
    }
}

// DrawTextA flags: never DT_NOPREFIX, so "&" marks a mnemonic as in other
// captions. Single-line text is aligned vertically; wrapped text starts at
// the top (DT_VCENTER has no effect without DT_SINGLELINE).
static UINT TextFormat(const LabelProperties& p) {
    UINT flags = DT_NOCLIP;
    if (p.hAlign == 1) {
        flags |= DT_CENTER;
    } else if (p.hAlign == 2) {
        flags |= DT_RIGHT;
    }
    if (p.wordWrap == 1) {
        return flags | DT_WORDBREAK | DT_VCENTER;
    }
    if (p.vAlign == 1) {
        return flags | DT_SINGLELINE | DT_VCENTER;
    }
    if (p.vAlign == 2) {
        return flags | DT_SINGLELINE | DT_BOTTOM;
    }
    return flags | DT_SINGLELINE;
}

static std::string WindowText(HWND control) {
    int length = GetWindowTextLengthA(control);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(control, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::clamp(copied, 0, length)));
    return text;
}

static void DrawLabelText(HDC dc, const LabelProperties& p, const std::string& text, RECT area) {
    HGDIOBJ previousFont = GetCurrentObject(dc, OBJ_FONT);
    // Made anew at every paint: the label keeps no font between paints.
    HFONT font = CreateKindFont(p.font.data(), p.font.size());
    SelectObject(dc, KindFontOrDefault(font));
    UINT flags = TextFormat(p);
    int length = static_cast<int>(text.size());
    SetBkMode(dc, TRANSPARENT);
    if (p.effect == 1) {
        RECT shadow = area;
        OffsetRect(&shadow, 1, 1);
        SetTextColor(dc, RGB(255, 255, 255));
        DrawTextA(dc, text.data(), length, &shadow, flags);
    } else if (p.effect == 2) {
        SetTextColor(dc, RGB(255, 255, 255));
        DrawTextA(dc, text.data(), length, &area, flags);
        OffsetRect(&area, 1, 1);
    } else if (p.effect == 3) {
        RECT shadow = area;
        OffsetRect(&shadow, 2, 2);
        SetTextColor(dc, RGB(0, 0, 0));
        DrawTextA(dc, text.data(), length, &shadow, flags);
    }
    SetTextColor(dc, p.textColor);
    DrawTextA(dc, text.data(), length, &area, flags);
    SelectObject(dc, previousFont);
    if (font) {
        DeleteObject(font);
    }
}

// Paints the label into `dc`, covering every pixel of its clip box: border,
// background, then the text. Used for WM_PAINT and WM_PRINTCLIENT alike.
static void PaintLabel(HWND control, Label& label, HDC dc) {
    RECT clipBox;
    int clipKind = GetClipBox(dc, &clipBox);
    if (clipKind == NULLREGION || clipKind == ERROR || IsRectEmpty(&clipBox)) {
        return;
    }
    const LabelProperties& p = label.properties;
    RECT area;
    GetClientRect(control, &area);
    if (p.border == 6 && p.gradientBorderWidth > 0) {
        GradientColours colours = GatherGradientColours(p.gradientBorderColor1, p.gradientBorderColor2,
                                                        p.gradientBorderColor3);
        if (PaintGradientBorder(dc, area, p.gradientBorderWidth, colours)) {
            InflateRect(&area, -p.gradientBorderWidth, -p.gradientBorderWidth);
        }
    }
    RECT clip = {};
    IntersectRect(&clip, &clipBox, &area);
    // Everything after the border stays inside it; the saved state brings
    // back the caller's clipping and modes (WM_PRINTCLIENT hands its own DC).
    int saved = SaveDC(dc);
    IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
    PaintBackground(dc, label, area, clip);
    std::string text = WindowText(control);
    if (!text.empty()) {
        DrawLabelText(dc, p, text, area);
    }
    RestoreDC(dc, saved);
}

static LRESULT CALLBACK LabelProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    Label* label = LabelOf(control);
    if (!label) {
        return DefWindowProcA(control, message, wParam, lParam);
    }
    if (HandlePaintMessage(control, message, wParam, [&](HDC dc) { PaintLabel(control, *label, dc); })) {
        return 0;
    }
    switch (message) {
    case WM_NCDESTROY:
        // The last message: the state (and its decoded picture) goes with it.
        SetWindowLongPtrA(control, GWLP_USERDATA, 0);
        delete label;
        return DefWindowProcA(control, message, wParam, lParam);
    default:
        // Mouse, keyboard and WM_ERASEBKGND: the hollow class brush erases
        // nothing, and the label takes neither focus nor clicks.
        return DefWindowProcA(control, message, wParam, lParam);
    }
}

static HWND CreateLabel(const CreateArgs& args) {
    auto label = std::make_unique<Label>();
    if (args.kindRecordLength > 0 &&
        !ReadLabelProperties(args.kindRecord, args.kindRecordLength, label->properties)) {
        return nullptr;
    }
    label->windowId = args.windowId;
    label->controlId = args.controlId;
    if (!EnsureHollowWindowClass(kLabelClassName, LabelProc)) {
        return nullptr;
    }
    HWND control = CreateDrawnControl(kLabelClassName, label->properties.text.c_str(), args.style, args.parent,
                                      args.childId, args.left, args.top, args.width, args.height);
    if (!control) {
        return nullptr;
    }
    // Attached only now: the messages of creation need no state, and a
    // failed creation leaves nothing to clean up but this object.
    SetWindowLongPtrA(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(label.release()));
    ApplyBorderStyle(control, LabelOf(control)->properties.border);
    return control;
}

// The numeric field behind a property number, or null for the others.
static uint32_t* NumberField(LabelProperties& p, int32_t index) {
    switch (index) {
    case kLabelEffect: return &p.effect;
    case kLabelBorder: return &p.border;
    case kLabelGradientBorderColor1: return &p.gradientBorderColor1;
    case kLabelGradientBorderColor2: return &p.gradientBorderColor2;
    case kLabelGradientBorderColor3: return &p.gradientBorderColor3;
    case kLabelTextColor: return &p.textColor;
    case kLabelBackColor: return &p.backColor;
    case kLabelPictureMode: return &p.pictureMode;
    case kLabelGradientBackMode: return &p.gradientBackMode;
    case kLabelGradientBackColor1: return &p.gradientBackColor1;
    case kLabelGradientBackColor2: return &p.gradientBackColor2;
    case kLabelGradientBackColor3: return &p.gradientBackColor3;
    case kLabelHAlign: return &p.hAlign;
    case kLabelWordWrap: return &p.wordWrap;
    case kLabelVAlign: return &p.vAlign;
    default: return nullptr;
    }
}

// The largest value of a choice property; -1 for the others.
static int32_t ChoiceMaximum(int32_t index) {
    switch (index) {
    case kLabelEffect: return 3;
    case kLabelBorder: return 6;
    case kLabelPictureMode: return 2;
    case kLabelGradientBackMode: return 8;
    case kLabelHAlign: return 2;
    case kLabelVAlign: return 2;
    default: return -1;
    }
}

static bool GetLabelProperty(HWND control, int32_t index, KindValue& value) {
    Label* label = LabelOf(control);
    if (!label) {
        return false;
    }
    LabelProperties& p = label->properties;
    switch (index) {
    case kLabelText: value.bytes = p.text; return true;
    case kLabelGradientBorderWidth: value.number = p.gradientBorderWidth; return true;
    case kLabelFont: value.bytes.assign(p.font.begin(), p.font.end()); return true;
    case kLabelPicture: value.bytes.assign(p.picture.begin(), p.picture.end()); return true;
    case kLabelDataSource: value.bytes = p.dataSource; return true;
    case kLabelDataColumn: value.bytes = p.dataColumn; return true;
    default: break;
    }
    const uint32_t* field = NumberField(p, index);
    if (!field) {
        return false;
    }
    value.number = static_cast<int32_t>(*field);
    return true;
}

// Stores the value, clamped to the property's range, and repaints. A label
// never needs re-creating: every property takes effect at the next paint.
static bool SetLabelProperty(HWND control, int32_t index, const KindValue& value) {
    Label* label = LabelOf(control);
    if (!label) {
        return false;
    }
    LabelProperties& p = label->properties;
    switch (index) {
    case kLabelText:
        p.text = value.bytes;
        SetWindowTextA(control, p.text.c_str());
        break;
    case kLabelGradientBorderWidth:
        p.gradientBorderWidth = std::max(value.number, kMinGradientBorderWidth);
        break;
    case kLabelFont:
        p.font.assign(value.bytes.begin(), value.bytes.end());
        break;
    case kLabelPicture:
        // Decoded at the next paint.
        p.picture.assign(value.bytes.begin(), value.bytes.end());
        label->picture.reset();
        break;
    case kLabelDataSource:
        p.dataSource = value.bytes;
        break;
    case kLabelDataColumn:
        p.dataColumn = value.bytes;
        break;
    case kLabelWordWrap:
        p.wordWrap = static_cast<uint32_t>(Truth(value.number));
        break;
    default: {
        uint32_t* field = NumberField(p, index);
        if (!field) {
            return false;
        }
        int32_t maximum = ChoiceMaximum(index);
        *field = static_cast<uint32_t>(maximum >= 0 ? ClampChoice(value.number, maximum) : value.number);
        break;
    }
    }
    if (index == kLabelBorder) {
        ApplyBorderStyle(control, p.border);
    }
    InvalidateRect(control, nullptr, FALSE);
    return false;
}

static std::vector<uint8_t> SaveLabelProperties(HWND control) {
    Label* label = LabelOf(control);
    if (!label) {
        return WriteLabelProperties(LabelProperties{});
    }
    LabelProperties saved = label->properties;
    saved.version = kLabelPropertiesVersion;
    return WriteLabelProperties(saved);
}

const ControlKind kLabelKind = {
    kKindLabel,
    "\xB1\xEA\xC7\xA9", // "标签"
    "Label",
    0x84012040, // a window, label-like, never focused
    kFirstKindPropertyCount + kLabelPropertyCount,
    kLabelPropertyClasses,
    CreateLabel,
    GetLabelProperty,
    SetLabelProperty,
    SaveLabelProperties,
    nullptr, // wants no key
    nullptr, // never a default button
};
