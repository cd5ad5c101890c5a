#pragma once
// A signed 32-bit decimal integer: an optional sign and 1 or more digits,
// nothing else. False when text is not one or lies outside the range.
#include <cstdint>
#include <string_view>

bool ParseInt32(std::string_view text, int32_t& value);
