#pragma once
// Property values as program code hands them over and gets them back: 32-bit
// numbers, or pointers to texts and byte blocks in the process heap.
#include <cstdint>
#include <string>

struct KindValue;
enum class ValueClass;

// A new NUL-terminated copy of `text` for the caller, or 0 for the empty text.
uint32_t TextToCaller(const std::string& text);
// The caller's text up to its NUL; a null pointer is the empty text.
std::string TextFromCaller(uint32_t pointer);

// A new block for the caller: a u32 count (1), a u32 length, the bytes; or 0
// when the bytes are empty.
uint32_t BlockToCaller(const std::string& bytes);
// The bytes of a caller's block of that layout; a null pointer is no bytes.
std::string BlockFromCaller(uint32_t pointer);

// The value a kind gave, as ReadProperty hands it out by its value class.
uint64_t KindValueToCaller(ValueClass valueClass, const KindValue& value, int32_t elementIndex);

// The caller's value as the kind takes it. `current` is the property's value
// now, which a write of one member of a font keeps apart from that member.
KindValue KindValueFromCaller(ValueClass valueClass, uint32_t value, int32_t elementIndex,
                              const KindValue& current);
