#include "tools/ppicalc_cli/memory_control_texts.h"

#include <cstring>

#include "calc/text_memory.h"

char* MemoryControlTexts::ReadText(WindowId window, ControlId control) {
    const std::string& text = Text(window, control);
    if (text.empty()) {
        return nullptr;  // an empty text comes back as null, like the live window's
    }
    char* copy = AllocateText(text.size() + 1);
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

void MemoryControlTexts::WriteText(WindowId window, ControlId control, const char* text) {
    Text(window, control) = text != nullptr ? text : "";
}

void MemoryControlTexts::ReleaseText(char* text) {
    ::ReleaseText(text);
}
