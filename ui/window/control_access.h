#pragma once
// Reading and writing control properties by window, control and property number.
#include <cstdint>

// PropertyIndex 0..7 are common to every kind; 8 and up are the kind's own.
constexpr int32_t kPropertyLeft = 0;
constexpr int32_t kPropertyTop = 1;
constexpr int32_t kPropertyWidth = 2;
constexpr int32_t kPropertyHeight = 3;
constexpr int32_t kPropertyTag = 4;
constexpr int32_t kPropertyVisible = 5;
constexpr int32_t kPropertyDisabled = 6;
constexpr int32_t kPropertyMousePointer = 7;
constexpr int32_t kFirstKindProperty = 8;

// For texts and byte blocks the low 32 bits are a pointer to a new block from
// the process heap (owned by the caller, given back with ReleaseText) or null
// when empty. Errors are fatal run-time errors and do not return.
uint64_t ReadProperty(uint32_t windowId, uint32_t controlId, int32_t propertyIndex, int32_t elementIndex);
void WriteProperty(uint32_t windowId, uint32_t controlId, int32_t propertyIndex, int32_t elementIndex,
                   uint32_t value, uint32_t valueHigh);
