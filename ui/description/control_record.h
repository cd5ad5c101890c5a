#pragma once
// One element of a window in the form description: the common head that every
// record starts with, followed by the kind's own property record.
#include <cstdint>
#include <string>
#include <vector>

struct EventBinding {
    int32_t eventNumber = 0;    // stored as u32; events such as -7 are negative
    int32_t handlerOffset = -1; // from the handler code base; -1 = no handler

    bool operator==(const EventBinding&) const = default;
};

// State flags of a record.
constexpr uint32_t kStateVisible = 0x1;
constexpr uint32_t kStateDisabled = 0x2;
constexpr uint32_t kStateTabStop = 0x4;

struct ControlRecord {
    uint32_t kind = 0;    // library number << 16 | kind number
    uint32_t proxyId = 0; // element whose event bindings serve for this one
    uint32_t reservedHead[4] = {};
    std::string name;     // GBK, e.g. "标签6"; empty for a window's own record
    std::string remark;   // never interpreted
    uint32_t liveObject = 0;  // stored value, kept only for the writer
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint32_t cursorHandle = 0; // stored value, kept only for the writer
    uint32_t parentId = 0;     // container control; 0 = the window itself
    std::vector<uint32_t> childIds;
    std::vector<uint8_t> mousePointer;
    std::string tag;
    uint32_t reservedBeforeFlags = 0;
    uint32_t stateFlags = 0; // kStateVisible | kStateDisabled | kStateTabStop
    int32_t tabOrder = 0;
    std::vector<EventBinding> events;
    uint32_t reservedTail[5] = {};
    std::vector<uint8_t> kindRecord; // the kind's own property record; may be empty

    bool operator==(const ControlRecord&) const = default;
};

// Reads one record's data (exactly `length` bytes). False when a field runs
// past the end; nothing is allocated beyond what the bytes can hold.
bool ReadControlRecord(const uint8_t* data, size_t length, ControlRecord& record);

// The exact inverse of ReadControlRecord.
std::vector<uint8_t> WriteControlRecord(const ControlRecord& record);

// Pointer number of the mouse pointer: its first u32, or its first byte when
// it is shorter than 4 bytes; 0 (the default pointer) when empty.
uint32_t MousePointerNumber(const ControlRecord& record);
