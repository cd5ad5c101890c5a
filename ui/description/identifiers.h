#pragma once
// Numbers that name windows, elements and kinds.
#include <cstdint>

constexpr uint32_t kMainWindowId = 0x52010001;
constexpr uint32_t kWindowElementId = 0x06010000; // a window's own record

// An id is valid when its low 24 bits and its bits 24..27 are not all zero.
constexpr bool IsValidId(uint32_t id) {
    return (id & 0x00FFFFFF) != 0 && (id & 0x0F000000) != 0;
}
// Ids 0x26xxxxxx name menu items, whose records have a layout of their own.
constexpr bool IsMenuItemId(uint32_t id) {
    return (id >> 28) == 2 && ((id >> 24) & 0xF) == 6;
}

constexpr uint32_t kBuiltInLibrary = 1;
constexpr uint32_t KindNumberOf(uint32_t kindField) { return kindField & 0xFFFF; }
constexpr uint32_t LibraryOf(uint32_t kindField) { return kindField >> 16; }

// Kind numbers of the built-in library that this program uses.
constexpr uint32_t kKindWindow = 1;
constexpr uint32_t kKindEditBox = 5;
constexpr uint32_t kKindPicBox = 6;
constexpr uint32_t kKindLabel = 10;
constexpr uint32_t kKindButton = 11;

// Trait bits of a kind.
constexpr uint32_t kTraitMakesWindow = 0x40;      // its controls are windows (with 0x4)
constexpr uint32_t kTraitMakesWindowAlt = 0x4;
constexpr uint32_t kTraitPagedContainer = 0x100;
constexpr uint32_t kTraitRadioLike = 0x400;
constexpr uint32_t kTraitButtonLike = 0x800;
constexpr uint32_t kTraitCheckBoxLike = 0x1000;
constexpr uint32_t kTraitLabelLike = 0x2000;
constexpr uint32_t kTraitMnemonicKinds = 0x7C00;
constexpr uint32_t kTraitHiddenNoFocus = 0x8000; // out of Tab order, kept hidden
constexpr uint32_t kTraitNeverFocus = 0x10000;   // out of Tab order and first focus
