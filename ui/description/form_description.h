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
    uint32_t slot = 0;  // run-time slot in the stored table; kept only for the writer
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
// is otherwise unreadable gives nullopt. So does a window table whose length
// is not a multiple of 8, an element count that the element buffer cannot
// hold, a menu-item element (its layout is unknown here) and a window whose
// element 0 is not its own record (id kWindowElementId): every later lookup
// takes element 0 to be the window. The kinds' own records are not looked
// into. Bytes after the last window are ignored.
std::optional<FormDescription> ReadFormDescription(const uint8_t* bytes, size_t length);

// The exact inverse of ReadFormDescription: records are written back to back
// in element order.
std::vector<uint8_t> WriteFormDescription(const FormDescription& description);

// Linear searches, as the shell does them.
const WindowDescription* FindWindowDescription(const FormDescription& description, uint32_t windowId);
// Id 0 names the window's own record, element 0. -1 when absent.
int FindElementIndex(const WindowDescription& window, uint32_t elementId);
