#include "tools/ppicalc_cli/decimal_integer.h"

bool ParseInt32(std::string_view text, int32_t& value) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return false;
    }
    // The magnitude is checked against 2^31 at every digit, so it never
    // grows past 2^31 × 10 + 9 and fits easily in 64 bits.
    int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > (int64_t{1} << 31)) {
            return false;
        }
    }
    if (!negative && magnitude == (int64_t{1} << 31)) {
        return false;
    }
    value = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return true;
}
