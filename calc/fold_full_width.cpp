#include "calc/fold_full_width.h"

#include <cstring>

#include "calc/text_memory.h"

char* FoldFullWidth(const char* text) {
    const auto* in = reinterpret_cast<const unsigned char*>(text);
    char* folded = AllocateText(std::strlen(text) + 1);
    char* out = folded;
    while (*in != 0) {
        unsigned char lead = *in;
        if (lead < 0x80) {
            *out++ = static_cast<char>(lead);
            ++in;
            continue;
        }
        unsigned char trail = in[1];
        if (trail == 0) {
            break;  // a lone lead byte at the end is dropped
        }
        char ascii = FoldWideChar(lead, trail);
        if (ascii != 0) {
            *out++ = ascii;
        } else {
            *out++ = static_cast<char>(lead);
            *out++ = static_cast<char>(trail);
        }
        in += 2;
    }
    *out = 0;
    return folded;
}
