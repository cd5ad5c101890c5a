#pragma once
// Font properties as program code sees them.
//
// A kind keeps a font as a block that is either empty (the stock
// DEFAULT_GUI_FONT) or a 60-byte LOGFONTA. Program code reads and writes one
// member at a time (the element index) or the whole font (-1): a record of
// six 32-bit members and a 32-byte face name.
#include <cstdint>
#include <string>

constexpr int32_t kFontMemberAngle = 0;     // escapement, tenths of a degree
constexpr int32_t kFontMemberBold = 1;      // truth value
constexpr int32_t kFontMemberItalic = 2;    // truth value
constexpr int32_t kFontMemberStrikeOut = 3; // truth value
constexpr int32_t kFontMemberUnderline = 4; // truth value
constexpr int32_t kFontMemberSize = 5;      // points
constexpr int32_t kFontMemberFaceName = 6;  // text
constexpr int32_t kFontWhole = -1;
constexpr size_t kFontRecordLength = 6 * 4 + 32;

// The member (a number, or a new text) or the whole record (a new block of
// kFontRecordLength bytes) of the font kept as `block`.
uint64_t FontToCaller(const std::string& block, int32_t member);

// The font block after writing `value` to `member` of the font kept as
// `current`. A whole-font write takes a record as above; null means the
// default font. An unknown member leaves the font as it was.
std::string FontFromCaller(const std::string& current, int32_t member, uint32_t value);
