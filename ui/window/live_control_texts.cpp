#include "ui/window/live_control_texts.h"

#include "calc/control_texts.h"
#include "calc/text_memory.h"
#include "ui/window/control_access.h"

// The one provider of the live windows' texts.
class LiveWindowTexts final : public ControlTexts {
public:
    char* ReadText(WindowId window, ControlId control) override {
        uint64_t value = ReadProperty(window, control, kFirstKindProperty, -1);
        return reinterpret_cast<char*>(static_cast<uintptr_t>(static_cast<uint32_t>(value)));
    }

    void WriteText(WindowId window, ControlId control, const char* text) override {
        auto pointer = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(text));
        WriteProperty(window, control, kFirstKindProperty, -1, pointer, 0);
    }

    void ReleaseText(char* text) override { ::ReleaseText(text); }
};

ControlTexts& LiveControlTexts() {
    static LiveWindowTexts texts;
    return texts;
}
