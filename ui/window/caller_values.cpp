#include "ui/window/caller_values.h"

#include <algorithm>
#include <cstring>

#include "calc/text_memory.h"
#include "ui/window/control_kind.h"
#include "ui/window/font_value.h"

// The program is a 32-bit process: a pointer travels in the low 32 bits of a
// property value.
static_assert(sizeof(void*) == 4, "property values carry 32-bit pointers");

static uint32_t PointerValue(const void* pointer) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pointer));
}

static const char* PointerOf(uint32_t value) {
    return reinterpret_cast<const char*>(static_cast<uintptr_t>(value));
}

uint32_t TextToCaller(const std::string& text) {
    // A text ends at its first 0 byte, so an empty one (or one that starts
    // with 0) is no text at all.
    size_t length = strnlen(text.c_str(), text.size());
    if (length == 0) {
        return 0;
    }
    char* copy = AllocateText(length + 1);
    std::memcpy(copy, text.data(), length);
    copy[length] = '\0';
    return PointerValue(copy);
}

std::string TextFromCaller(uint32_t pointer) {
    const char* text = PointerOf(pointer);
    return text ? std::string(text) : std::string();
}

constexpr size_t kBlockHeaderLength = 8;

uint32_t BlockToCaller(const std::string& bytes) {
    if (bytes.empty()) {
        return 0;
    }
    char* block = AllocateText(kBlockHeaderLength + bytes.size());
    const uint32_t count = 1;
    const auto length = static_cast<uint32_t>(bytes.size());
    std::memcpy(block, &count, 4);
    std::memcpy(block + 4, &length, 4);
    std::memcpy(block + kBlockHeaderLength, bytes.data(), bytes.size());
    return PointerValue(block);
}

std::string BlockFromCaller(uint32_t pointer) {
    const char* block = PointerOf(pointer);
    if (!block) {
        return {};
    }
    uint32_t length = 0;
    std::memcpy(&length, block + 4, 4);
    return std::string(block + kBlockHeaderLength, length);
}

uint64_t KindValueToCaller(ValueClass valueClass, const KindValue& value, int32_t elementIndex) {
    switch (valueClass) {
    case ValueClass::Truth:
        return value.number == 1 ? 1 : 0;
    case ValueClass::Text:
        return TextToCaller(value.bytes);
    case ValueClass::ByteBlock:
        return BlockToCaller(value.bytes);
    case ValueClass::Font:
        return FontToCaller(value.bytes, elementIndex);
    case ValueClass::Integer:
    case ValueClass::Choice:
    case ValueClass::Colour:
        break;
    }
    return static_cast<uint32_t>(value.number);
}

KindValue KindValueFromCaller(ValueClass valueClass, uint32_t value, int32_t elementIndex,
                              const KindValue& current) {
    KindValue result;
    switch (valueClass) {
    case ValueClass::Truth:
        result.number = value != 0 ? 1 : 0;
        break;
    case ValueClass::Choice:
        // Negative choices become 0; the kind limits values above its range.
        result.number = std::max(static_cast<int32_t>(value), 0);
        break;
    case ValueClass::Text:
        result.bytes = TextFromCaller(value);
        break;
    case ValueClass::ByteBlock:
        result.bytes = BlockFromCaller(value);
        break;
    case ValueClass::Font:
        result.bytes = FontFromCaller(current.bytes, elementIndex, value);
        break;
    case ValueClass::Integer:
    case ValueClass::Colour:
        result.number = static_cast<int32_t>(value);
        break;
    }
    return result;
}
