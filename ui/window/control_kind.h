#pragma once
// The operations through which the window build, the keyboard rules and the
// control-access operations reach a control kind.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// How a property value travels through ReadProperty and WriteProperty.
enum class ValueClass { Integer, Choice, Colour, Truth, Text, ByteBlock, Font };

// A property value as a kind hands it out or takes it: numbers in `number`,
// texts and byte blocks in `bytes`.
struct KindValue {
    int32_t number = 0;
    std::string bytes;
};

struct CreateArgs {
    const uint8_t* kindRecord = nullptr;
    size_t kindRecordLength = 0;
    DWORD style = 0; // only WS_DISABLED and WS_TABSTOP from the record
    HWND parent = nullptr;
    UINT childId = 0;
    HMENU menu = nullptr;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    uint32_t windowId = 0;
    uint32_t controlId = 0;
};

struct ControlKind {
    uint32_t kindNumber = 0;
    const char* chineseName = nullptr; // GBK
    const char* englishName = nullptr;
    uint32_t traits = 0;
    uint32_t propertyCount = 0;            // including the eight common ones
    const ValueClass* kindPropertyClasses = nullptr; // propertyCount - 8 entries
    // Everything but the window kind: the control, or null when the record
    // cannot be read or the window cannot be made. Created hidden.
    HWND (*createControl)(const CreateArgs& args) = nullptr;
    bool (*getKindProperty)(HWND control, int32_t index, KindValue& value) = nullptr;
    // True when the control must be re-created for the change to show.
    bool (*setKindProperty)(HWND control, int32_t index, const KindValue& value) = nullptr;
    std::vector<uint8_t> (*saveKindProperties)(HWND control) = nullptr;
    bool (*wantsKey)(HWND control, uint32_t keyCode) = nullptr;   // may be null: wants nothing
    bool (*isDefaultButton)(HWND control) = nullptr;              // may be null: false
};

// The kind table: the kind with this kind number of the built-in library, or
// null when there is none.
const ControlKind* FindControlKind(uint32_t kindField);
