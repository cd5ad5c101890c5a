#pragma once
// The two control-text operations the calculation needs, addressed by window
// and control number. The live window supplies them; tests supply fakes.
#include <cstdint>

using WindowId = uint32_t;
using ControlId = uint32_t;

class ControlTexts {
public:
    // The control's current text as a new text owned by the caller, or null
    // when the text is empty.
    virtual char* ReadText(WindowId window, ControlId control) = 0;
    // Replaces the control's text with a copy of text (null: the empty text).
    // The caller keeps ownership of text.
    virtual void WriteText(WindowId window, ControlId control, const char* text) = 0;
    // Gives back a text obtained from ReadText or from the conversions.
    virtual void ReleaseText(char* text) = 0;

protected:
    ~ControlTexts() = default;
};
