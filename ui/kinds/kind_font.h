#pragma once
// The font of a control kind, made from the kind record's font block.
//
// Shared by every kind that shows text (edit box, button, label): a font block
// is either exactly 60 bytes holding a LOGFONTA, which becomes a font of the
// control's own, or anything else, which means the stock DEFAULT_GUI_FONT.
// The label kind uses the same two functions, so all kinds read a font block
// the same way.
#include <windows.h>

#include <cstddef>
#include <cstdint>

constexpr size_t kFontBlockLength = 60; // sizeof(LOGFONTA) on 32-bit Windows

// A font made from a 60-byte block, owned by the caller (DeleteObject), or
// null when the block has another length or the font cannot be made. The
// character set, precisions, quality and pitch of the stored LOGFONTA are
// replaced by the defaults, so only face, size and attributes come from it.
HFONT CreateKindFont(const uint8_t* block, size_t length);

// The font a control draws with: its own when it has one, else the stock
// DEFAULT_GUI_FONT (which is never deleted).
HFONT KindFontOrDefault(HFONT ownedFont);

// Height in pixels of `text` drawn in `font` on the screen.
int MeasureTextHeight(HFONT font, const char* text, int length);
