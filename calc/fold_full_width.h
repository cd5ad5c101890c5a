#pragma once
// Folding of full-width GBK characters to their ASCII counterparts, the first
// step of reading a number from a text.

// The ASCII byte the two-byte GBK character lead:trail folds to, or 0 when it
// stays as it is: the full-width ASCII row A3A1..A3FE becomes 21..7E, the
// ideographic space A1A1 a space, the full-width tilde A1AB "~" and the stars
// A1EE and A1EF "*".
inline char FoldWideChar(unsigned char lead, unsigned char trail) {
    if (lead == 0xA3) {
        return trail >= 0xA1 && trail <= 0xFE ? static_cast<char>(trail - 0x80) : 0;
    }
    if (lead == 0xA1) {
        switch (trail) {
        case 0xA1:
            return ' ';
        case 0xAB:
            return '~';
        case 0xEE:
        case 0xEF:
            return '*';
        default:
            return 0;
        }
    }
    return 0;
}

// A new NUL-terminated copy of text (given back with ReleaseText) in which
// every byte of 0x80 or more starts a two-byte character, folded by
// FoldWideChar or kept as both bytes. A lead byte directly before the
// terminator is dropped. The copy is never longer than text.
char* FoldFullWidth(const char* text);
