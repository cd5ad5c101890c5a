#pragma once
// The byte-serialised description of the program's windows and their controls.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/description/control_record.h"

struct ElementDescription {
    uint32_t id = 0; // 0x06010000 for the window itself, 0x16xxxxxx for controls
    ControlRecord record;

    bool operator==(const ElementDescription&) const = default;
};

struct WindowDescription {
    uint32_t windowId = 0;
    uint32_t slot = 0;  // run-time slot; the stored value is ignored when reading
    uint32_t wordA = 0; // kept with the window, not used to build it
    uint32_t wordB = 0;
    std::string text1;  // kept with the window, not used to build it
    std::string text2;
    std::vector<ElementDescription> elements; // element 0 is the window itself

    bool operator==(const WindowDescription&) const = default;
};

struct FormDescription {
    std::vector<WindowDescription> windows;

    bool operator==(const FormDescription&) const = default;
};

// Reads a whole description of exactly `length` bytes. Every length and offset
// is checked against the bytes; anything that runs past the end, overlaps, or
// is otherwise unreadable gives nullopt.
std::optional<FormDescription> ReadFormDescription(const uint8_t* bytes, size_t length);

// The exact inverse of ReadFormDescription: records are written back to back
// in element order.
std::vector<uint8_t> WriteFormDescription(const FormDescription& description);

// Linear searches, as the shell does them.
const WindowDescription* FindWindowDescription(const FormDescription& description, uint32_t windowId);
int FindElementIndex(const WindowDescription& window, uint32_t elementId); // -1 when absent
