#pragma once
// Control texts kept in memory, standing in for the window's edit boxes.
#include <cstdint>
#include <map>
#include <string>

#include "calc/control_texts.h"

class MemoryControlTexts : public ControlTexts {
public:
    char* ReadText(WindowId window, ControlId control) override;
    void WriteText(WindowId window, ControlId control, const char* text) override;
    void ReleaseText(char* text) override;

    // The text of a control: "" until written.
    std::string& Text(WindowId window, ControlId control) { return texts[Key(window, control)]; }

private:
    static uint64_t Key(WindowId window, ControlId control) { return uint64_t{window} << 32 | control; }
    std::map<uint64_t, std::string> texts;
};
