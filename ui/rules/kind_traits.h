#pragma once
// Trait bits of the built-in kinds this program uses.
#include <cstdint>

constexpr uint32_t kTraitsWindow = 0x800000D0;
constexpr uint32_t kTraitsEditBox = 0x80000040;
constexpr uint32_t kTraitsPicBox = 0x840100C0;  // never takes the focus by Tab or first
constexpr uint32_t kTraitsLabel = 0x84012040;   // never takes the focus; label-like
constexpr uint32_t kTraitsButton = 0x80000840;  // button-like

// The traits of a kind of the built-in library by its kind number; 0 for a
// kind this program does not use.
uint32_t BuiltInKindTraits(uint32_t kindNumber);
