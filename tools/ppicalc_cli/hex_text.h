#pragma once
// Bytes and doubles as lowercase hexadecimal, for the batch protocol.
#include <cstdint>
#include <string>
#include <string_view>

enum class HexError { kNone, kBadDigit, kOddLength };

// Decodes pairs of hex digits (either case). Returns kNone and the bytes, or
// what was wrong.
HexError DecodeHex(std::string_view hex, std::string& bytes);
std::string EncodeHex(std::string_view bytes);

// A double as the 16 hex digits of its IEEE-754 bit pattern, and back; the
// decoder takes exactly 16 hex digits.
std::string EncodeDoubleBits(double value);
bool DecodeDoubleBits(std::string_view hex, double& value);
