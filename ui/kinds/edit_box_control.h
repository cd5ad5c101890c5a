#pragma once
// A live edit box: a platform "EDIT" window subclassed for the edit box
// kind's look (one centred line of text, coloured background) and events.
//
// The state object hangs off the window as a property and goes with it: the
// brush, the font and the object are released at WM_NCDESTROY.
#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/description/edit_box_properties.h"

struct EditBox {
    HWND hwnd = nullptr;
    WNDPROC originalProc = nullptr;
    EditBoxProperties properties;
    HBRUSH backBrush = nullptr; // solid brush of properties.backColor
    HFONT ownedFont = nullptr;  // made from a 60-byte font block; null: the stock GUI font
    int lineHeight = 0;         // height of "W" in the current font
    uint32_t windowId = 0;      // to raise events
    uint32_t controlId = 0;
    // True only while a property write replaces the text, so the platform's
    // own change notifications raise nothing.
    bool settingText = false;

    EditBox() = default;
    EditBox(const EditBox&) = delete;
    EditBox& operator=(const EditBox&) = delete;
    ~EditBox();
};

// Subclasses a freshly made EDIT window and hands it the box (which it owns
// from then on). False, with the box still the caller's, when that fails.
bool AttachEditBox(HWND hwnd, EditBox* box);

// The box of an edit box window, or null for any other window.
EditBox* FindEditBox(HWND hwnd);

bool IsSingleLine(const EditBox& box);

// Makes `ownedFont` (null: the stock GUI font) the box's font: the box grows
// to fit a line of text when single-line, gets WM_SETFONT and, when
// single-line, a recomputed frame. The previous own font is deleted.
void ApplyEditBoxFont(EditBox& box, HFONT ownedFont);

// Applies properties.border: removes the three edge extended styles and
// WS_BORDER, adds the chosen ones and recomputes the frame.
void ApplyEditBoxBorder(const EditBox& box);

// A new background brush from properties.backColor; frame and client area
// are redrawn.
void ApplyEditBoxBackColor(EditBox& box);

// Selects from selStart over selLength (-1: to the end of the text; a start
// of -1: after the last character) and scrolls the caret into view.
void ApplyEditBoxSelection(const EditBox& box);

// The text the window holds now, exactly as the platform hands it out.
std::string ReadEditBoxText(HWND hwnd);

// Replaces the text as a property write does: the platform's change
// notifications raise nothing, then one content-change event follows.
void WriteEditBoxText(EditBox& box, const std::string& text);
