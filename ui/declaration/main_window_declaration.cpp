#include "ui/declaration/main_window_declaration.h"

#include "ui/description/button_properties.h"
#include "ui/description/edit_box_properties.h"
#include "ui/description/identifiers.h"
#include "ui/description/label_properties.h"
#include "ui/description/picture_box_properties.h"
#include "ui/description/window_properties.h"

// Texts are GBK bytes; the readable text is in each comment.
static const char kCaption[] = "\xC6\xC1\xC4\xBBPPI\xBC\xC6\xCB\xE3\xC6\xF7 Orvanel"; // 屏幕PPI计算器 Orvanel

constexpr uint32_t kVisible = kStateVisible;
constexpr uint32_t kVisibleTabStop = kStateVisible | kStateTabStop;
constexpr uint32_t kVisibleDisabledTabStop = kStateVisible | kStateDisabled | kStateTabStop;
constexpr uint32_t kHiddenDisabledTabStop = kStateDisabled | kStateTabStop;

// Word A and word B of the window are kept with it and not otherwise used.
constexpr uint32_t kMainWindowWordA = 0x00746500;
constexpr uint32_t kMainWindowWordB = 0x1901001E;

struct Place {
    int32_t left;
    int32_t top;
    int32_t width;
    int32_t height;
};

constexpr uint32_t KindField(uint32_t kindNumber) {
    return kBuiltInLibrary << 16 | kindNumber;
}

// Every record of this window has the default mouse pointer (4 bytes of 0),
// no parent, children, tag or proxy, tab order 0 and all reserved words 0.
static ElementDescription Element(uint32_t id, uint32_t kindNumber, const char* name, Place place,
                                  uint32_t stateFlags, std::vector<uint8_t> kindRecord) {
    ElementDescription element;
    element.id = id;
    ControlRecord& record = element.record;
    record.kind = KindField(kindNumber);
    record.name = name;
    record.left = place.left;
    record.top = place.top;
    record.width = place.width;
    record.height = place.height;
    record.mousePointer = {0, 0, 0, 0};
    record.stateFlags = stateFlags;
    record.kindRecord = std::move(kindRecord);
    return element;
}

// The window's own record: defaults in every field but the caption. Its
// place is ignored when it is centred on the screen.
static ElementDescription WindowElement() {
    WindowProperties properties;
    properties.caption = kCaption;
    return Element(kWindowElementId, kKindWindow, "", {50, 50, 396, 287}, kVisible,
                   WriteWindowProperties(properties));
}

// Labels store every default but their text.
static ElementDescription Label(uint32_t id, const char* name, Place place, const char* text) {
    LabelProperties properties;
    properties.text = text;
    return Element(id, kKindLabel, name, place, kVisible, WriteLabelProperties(properties));
}

static ElementDescription FormulaPicture(const std::vector<uint8_t>& png) {
    PictureBoxProperties properties;
    properties.displayMode = 1; // stretched over the whole box
    properties.picture = png;
    return Element(kPictureBox1Id, kKindPicBox, "\xCD\xBC\xC6\xAC\xBF\xF2" "1", {8, 168, 200, 80}, kVisible, // 图片框1
                   WritePictureBoxProperties(properties));
}

// 编辑框5 shows the density: centred "PPI", black on light grey, with the
// double client-edge and modal-frame border.
static ElementDescription ResultBox() {
    EditBoxProperties properties;
    properties.border = 4;
    properties.backColor = 0x00ECECEC;
    properties.hAlign = 1;
    properties.text = "PPI";
    return Element(kEditBox5Id, kKindEditBox, "\xB1\xE0\xBC\xAD\xBF\xF2" "5", {248, 200, 128, 48}, // 编辑框5
                   kVisibleDisabledTabStop, WriteEditBoxProperties(properties));
}

// Input boxes and the hidden box keep every default: an empty record.
static ElementDescription EditBox(uint32_t id, const char* name, Place place, uint32_t stateFlags) {
    return Element(id, kKindEditBox, name, place, stateFlags, {});
}

static ElementDescription CalculateButton() {
    ButtonProperties properties;
    properties.caption = "\xBC\xC6\xCB\xE3"; // 计算
    ElementDescription element = Element(kButton1Id, kKindButton, "\xB0\xB4\xC5\xA5" "1", {272, 168, 80, 24}, // 按钮1
                                         kVisibleTabStop, WriteButtonProperties(properties));
    element.record.events.push_back({0, kCalculationHandlerOffset}); // event 0: click
    return element;
}

FormDescription DeclareMainWindow(const std::vector<uint8_t>& formulaPng) {
    WindowDescription window;
    window.windowId = kMainWindowId;
    window.wordA = kMainWindowWordA;
    window.wordB = kMainWindowWordB;
    window.elements = {
        WindowElement(),
        Label(kLabel6Id, "\xB1\xEA\xC7\xA9" "6", {256, 112, 88, 24}, "\xB1\xC8\xC8\xE7\xA3\xBA" "15.6\xD3\xA2\xB4\xE7"), // 标签6 比如：15.6英寸
        Label(kLabel5Id, "\xB1\xEA\xC7\xA9" "5", {256, 68, 80, 24}, "\xB1\xC8\xC8\xE7\xA3\xBA" "1080"), // 标签5 比如：1080
        Label(kLabel4Id, "\xB1\xEA\xC7\xA9" "4", {256, 24, 80, 24}, "\xB1\xC8\xC8\xE7\xA3\xBA" "1920"), // 标签4 比如：1920
        FormulaPicture(formulaPng),
        ResultBox(),
        EditBox(kEditBox4Id, "\xB1\xE0\xBC\xAD\xBF\xF2" "4", {360, 24, 16, 24}, kHiddenDisabledTabStop), // 编辑框4
        CalculateButton(),
        EditBox(kEditBox3Id, "\xB1\xE0\xBC\xAD\xBF\xF2" "3", {120, 112, 120, 24}, kVisibleTabStop), // 编辑框3
        Label(kLabel2Id, "\xB1\xEA\xC7\xA9" "2", {24, 112, 80, 24}, "\xC6\xC1\xC4\xBB\xB3\xDF\xB4\xE7inch"), // 标签2 屏幕尺寸inch
        EditBox(kEditBox2Id, "\xB1\xE0\xBC\xAD\xBF\xF2" "2", {120, 68, 120, 24}, kVisibleTabStop), // 编辑框2
        EditBox(kEditBox1Id, "\xB1\xE0\xBC\xAD\xBF\xF2" "1", {120, 24, 120, 24}, kVisibleTabStop), // 编辑框1
        Label(kLabel1Id, "\xB1\xEA\xC7\xA9" "1", {24, 64, 80, 24}, "\xD7\xDD\xCF\xF2pixel"), // 标签1 纵向pixel
        Label(kLabelHorizontalId, "\xBA\xE1\xCF\xF2", {24, 24, 80, 24}, "\xBA\xE1\xCF\xF2pixel"), // 横向 横向pixel
    };
    FormDescription description;
    description.windows.push_back(std::move(window));
    return description;
}
