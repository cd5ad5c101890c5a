#include "ui/kinds/edit_box.h"

#include <windows.h>

#include <memory>

#include "ui/description/identifiers.h"
#include "ui/kinds/edit_box_control.h"
#include "ui/kinds/input_filter.h"
#include "ui/kinds/kind_font.h"
#include "ui/kinds/kind_values.h"
#include "ui/window/control_kind.h"

// Kind-specific property indices (PropertyIndex - 8).
enum EditBoxIndex : int32_t {
    kEditText,
    kEditBorder,
    kEditTextColor,
    kEditBackColor,
    kEditFont,
    kEditHideSelection,
    kEditMaxLength,
    kEditMultiLine,
    kEditScrollBars,
    kEditHAlign,
    kEditInputMode,
    kEditPasswordChar,
    kEditLetterCase,
    kEditSpinMode,
    kEditSpinMin,
    kEditSpinMax,
    kEditSelStart,
    kEditSelLength,
    kEditSelectedText,
    kEditDataSource,
    kEditDataColumn,
    kEditPropertyCount
};

static const ValueClass kEditBoxClasses[kEditPropertyCount] = {
    ValueClass::Text,    // text
    ValueClass::Choice,  // border 0..5
    ValueClass::Colour,  // textColor
    ValueClass::Colour,  // backColor
    ValueClass::Font,    // font
    ValueClass::Truth,   // hideSelection
    ValueClass::Integer, // maxLength
    ValueClass::Truth,   // multiLine
    ValueClass::Choice,  // scrollBars 0..3
    ValueClass::Choice,  // hAlign 0..2
    ValueClass::Choice,  // inputMode 0..11
    ValueClass::Text,    // passwordChar, a text of one character
    ValueClass::Choice,  // letterCase 0..2
    ValueClass::Choice,  // spinMode 0..2
    ValueClass::Integer, // spinMin
    ValueClass::Integer, // spinMax
    ValueClass::Integer, // selStart
    ValueClass::Integer, // selLength
    ValueClass::Text,    // the selected text
    ValueClass::Text,    // dataSource
    ValueClass::Text,    // dataColumn
};

constexpr int32_t kLargestBorder = 5;
constexpr int32_t kLargestScrollBars = 3;
constexpr int32_t kLargestAlign = 2;
constexpr int32_t kLargestLetterCase = 2;
constexpr int32_t kLargestSpinMode = 2;

// Choices read from a record are brought into range as a write would bring
// them, so the styles below see only the values they know.
static void ClampChoices(EditBoxProperties& p) {
    p.border = ClampChoice(p.border, kLargestBorder);
    p.scrollBars = ClampChoice(p.scrollBars, kLargestScrollBars);
    p.hAlign = ClampChoice(p.hAlign, kLargestAlign);
    p.inputMode = ClampChoice(p.inputMode, kLargestInputMode);
    p.letterCase = ClampChoice(p.letterCase, kLargestLetterCase);
    p.spinMode = ClampChoice(p.spinMode, kLargestSpinMode);
}

static DWORD LineStyle(const EditBoxProperties& p) {
    if (p.multiLine != 1) {
        return ES_AUTOHSCROLL;
    }
    DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (p.scrollBars == 1 || p.scrollBars == 3) {
        style |= ES_AUTOHSCROLL | WS_HSCROLL;
    }
    if (p.scrollBars == 2 || p.scrollBars == 3) {
        style |= WS_VSCROLL;
    }
    return style;
}

static DWORD EditBoxStyle(const EditBoxProperties& p, DWORD recordStyle) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | recordStyle | LineStyle(p);
    if (p.hideSelection == 0) {
        style |= ES_NOHIDESEL;
    }
    if (p.hAlign == 1) {
        style |= ES_CENTER;
    } else if (p.hAlign == 2) {
        style |= ES_RIGHT;
    }
    if (p.inputMode == kInputModeReadOnly) {
        style |= ES_READONLY;
    } else if (p.inputMode == kInputModePassword) {
        style |= ES_PASSWORD;
    }
    if (p.letterCase == 1) {
        style |= ES_LOWERCASE;
    } else if (p.letterCase == 2) {
        style |= ES_UPPERCASE;
    }
    return style;
}

static WPARAM PasswordCharFor(const EditBoxProperties& p) {
    return p.inputMode == kInputModePassword ? (p.passwordChar & 0xFF) : 0;
}

// Length limit, password character and selection of a new box.
static void ApplyEntrySettings(const EditBox& box) {
    SendMessageA(box.hwnd, EM_LIMITTEXT, static_cast<WPARAM>(box.properties.maxLength < 0 ? 0 : box.properties.maxLength),
                 0);
    if (box.properties.inputMode == kInputModePassword) {
        SendMessageA(box.hwnd, EM_SETPASSWORDCHAR, PasswordCharFor(box.properties), 0);
    }
    ApplyEditBoxSelection(box);
}

static HWND CreateEditBox(const CreateArgs& args) {
    auto box = std::make_unique<EditBox>();
    if (!ReadEditBoxProperties(args.kindRecord, args.kindRecordLength, box->properties)) {
        return nullptr;
    }
    ClampChoices(box->properties);
    box->windowId = args.windowId;
    box->controlId = args.controlId;
    ApplyEditBoxBackColor(*box); // no window yet: only the brush is made
    HWND hwnd = CreateWindowExA(0, "EDIT", box->properties.text.c_str(), EditBoxStyle(box->properties, args.style),
                                args.left, args.top, args.width, args.height, args.parent,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(args.childId)), GetModuleHandleA(nullptr),
                                nullptr);
    if (hwnd == nullptr) {
        return nullptr;
    }
    if (!AttachEditBox(hwnd, box.get())) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    EditBox& live = *box.release(); // the window owns it now
    ApplyEditBoxFont(live, CreateKindFont(live.properties.font.data(), live.properties.font.size()));
    ApplyEntrySettings(live);
    ApplyEditBoxBorder(live);
    return hwnd;
}

// The part of the window text between two character positions; the
// platform counts a double-byte character as one position.
static std::string SelectedText(HWND hwnd) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    std::string text = ReadEditBoxText(hwnd);
    const char* first = nullptr;
    const char* position = text.c_str();
    for (DWORD index = 0; *position != 0 && index < end; index++) {
        if (index == start) {
            first = position;
        }
        position = CharNextA(position);
    }
    if (first == nullptr) {
        return {};
    }
    return std::string(first, position);
}

static void GetSelection(HWND hwnd, int32_t& start, int32_t& length) {
    DWORD first = 0;
    DWORD end = 0;
    SendMessageA(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&end));
    start = static_cast<int32_t>(first);
    length = static_cast<int32_t>(end - first);
}

static bool GetEditBoxProperty(HWND control, int32_t index, KindValue& value) {
    EditBox* box = FindEditBox(control);
    if (box == nullptr) {
        return false;
    }
    EditBoxProperties& p = box->properties;
    int32_t selStart = 0;
    int32_t selLength = 0;
    switch (index) {
    case kEditText:
        // The window's text now, kept as the box's text and handed out unchanged.
        p.text = ReadEditBoxText(control);
        value.bytes = p.text;
        return true;
    case kEditBorder: value.number = p.border; return true;
    case kEditTextColor: value.number = static_cast<int32_t>(p.textColor); return true;
    case kEditBackColor: value.number = static_cast<int32_t>(p.backColor); return true;
    case kEditFont: value.bytes.assign(p.font.begin(), p.font.end()); return true;
    case kEditHideSelection: value.number = p.hideSelection; return true;
    case kEditMaxLength: value.number = p.maxLength; return true;
    case kEditMultiLine: value.number = p.multiLine; return true;
    case kEditScrollBars: value.number = p.scrollBars; return true;
    case kEditHAlign: value.number = p.hAlign; return true;
    case kEditInputMode: value.number = p.inputMode; return true;
    case kEditPasswordChar: value.bytes = OneByteText(static_cast<uint8_t>(p.passwordChar & 0xFF)); return true;
    case kEditLetterCase: value.number = p.letterCase; return true;
    case kEditSpinMode: value.number = p.spinMode; return true;
    case kEditSpinMin: value.number = p.spinMin; return true;
    case kEditSpinMax: value.number = p.spinMax; return true;
    case kEditSelStart:
        GetSelection(control, selStart, selLength);
        value.number = selStart;
        return true;
    case kEditSelLength:
        GetSelection(control, selStart, selLength);
        value.number = selLength;
        return true;
    case kEditSelectedText: value.bytes = SelectedText(control); return true;
    case kEditDataSource: value.bytes = p.dataSource; return true;
    case kEditDataColumn: value.bytes = p.dataColumn; return true;
    default: return false;
    }
}

// Stores a property that only shows in a re-created box; true (re-create)
// when the value changed.
static bool StoreForRecreate(int32_t& field, int32_t value) {
    bool changed = field != value;
    field = value;
    return changed;
}

static void ApplyInputMode(const EditBox& box) {
    SendMessageA(box.hwnd, EM_SETPASSWORDCHAR, PasswordCharFor(box.properties), 0);
    SendMessageA(box.hwnd, EM_SETREADONLY, box.properties.inputMode == kInputModeReadOnly, 0);
    InvalidateRect(box.hwnd, nullptr, TRUE);
}

static void SetPasswordChar(EditBox& box, const std::string& text) {
    // The first byte of the text; the empty text gives no character.
    box.properties.passwordChar = text.empty() ? 0 : static_cast<uint8_t>(text[0]);
    if (box.properties.inputMode == kInputModePassword) {
        SendMessageA(box.hwnd, EM_SETPASSWORDCHAR, PasswordCharFor(box.properties), 0);
        InvalidateRect(box.hwnd, nullptr, TRUE);
    }
}

static void SetFont(EditBox& box, const std::string& block) {
    box.properties.font.assign(block.begin(), block.end());
    ApplyEditBoxFont(box, CreateKindFont(box.properties.font.data(), box.properties.font.size()));
}

// Selection positions: -1 has its own meaning, other negative values count as 0.
static int32_t SelectionValue(int32_t value) { return value < -1 ? 0 : value; }

static bool SetEditBoxProperty(HWND control, int32_t index, const KindValue& value) {
    EditBox* box = FindEditBox(control);
    if (box == nullptr) {
        return false;
    }
    EditBoxProperties& p = box->properties;
    switch (index) {
    case kEditText:
        WriteEditBoxText(*box, value.bytes); // raises event 0: the box may be gone afterwards
        return false;
    case kEditBorder:
        p.border = ClampChoice(value.number, kLargestBorder);
        ApplyEditBoxBorder(*box);
        return false;
    case kEditTextColor:
        p.textColor = static_cast<uint32_t>(value.number);
        InvalidateRect(control, nullptr, TRUE);
        return false;
    case kEditBackColor:
        p.backColor = static_cast<uint32_t>(value.number);
        ApplyEditBoxBackColor(*box);
        return false;
    case kEditFont: SetFont(*box, value.bytes); return false;
    case kEditHideSelection: return StoreForRecreate(p.hideSelection, Truth(value.number));
    case kEditMaxLength:
        p.maxLength = value.number < 0 ? 0 : value.number;
        SendMessageA(control, EM_LIMITTEXT, static_cast<WPARAM>(p.maxLength), 0);
        return false;
    case kEditMultiLine: return StoreForRecreate(p.multiLine, Truth(value.number));
    case kEditScrollBars: return StoreForRecreate(p.scrollBars, ClampChoice(value.number, kLargestScrollBars));
    case kEditHAlign: return StoreForRecreate(p.hAlign, ClampChoice(value.number, kLargestAlign));
    case kEditInputMode:
        p.inputMode = ClampChoice(value.number, kLargestInputMode);
        ApplyInputMode(*box);
        return false;
    case kEditPasswordChar: SetPasswordChar(*box, value.bytes); return false;
    case kEditLetterCase: return StoreForRecreate(p.letterCase, ClampChoice(value.number, kLargestLetterCase));
    case kEditSpinMode: return StoreForRecreate(p.spinMode, ClampChoice(value.number, kLargestSpinMode));
    case kEditSpinMin: p.spinMin = value.number; return false;
    case kEditSpinMax: p.spinMax = value.number; return false;
    case kEditSelStart:
        p.selStart = SelectionValue(value.number);
        ApplyEditBoxSelection(*box);
        return false;
    case kEditSelLength:
        p.selLength = SelectionValue(value.number);
        ApplyEditBoxSelection(*box);
        return false;
    case kEditSelectedText:
        SendMessageA(control, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(value.bytes.c_str()));
        return false;
    case kEditDataSource: p.dataSource = value.bytes; return false;
    case kEditDataColumn: p.dataColumn = value.bytes; return false;
    default: return false;
    }
}

// The record of a box about to be re-created. The text is taken from the
// window, so what the user typed since the last read survives.
static std::vector<uint8_t> SaveEditBoxProperties(HWND control) {
    EditBox* box = FindEditBox(control);
    if (box == nullptr) {
        return {};
    }
    box->properties.text = ReadEditBoxText(control);
    return WriteEditBoxProperties(box->properties);
}

// A multi-line box that can be edited takes Enter as a line break.
static bool EditBoxWantsKey(HWND control, uint32_t keyCode) {
    const EditBox* box = FindEditBox(control);
    if (box == nullptr) {
        return false;
    }
    return KeyOf(keyCode) == VK_RETURN && box->properties.multiLine == 1 &&
           box->properties.inputMode != kInputModeReadOnly;
}

extern const ControlKind kEditBoxKind = {
    kKindEditBox,
    "\xB1\xE0\xBC\xAD\xBF\xF2", // "编辑框"
    "EditBox",
    0x80000040,
    kFirstKindPropertyCount + kEditPropertyCount,
    kEditBoxClasses,
    CreateEditBox,
    GetEditBoxProperty,
    SetEditBoxProperty,
    SaveEditBoxProperties,
    EditBoxWantsKey,
    nullptr,
};
