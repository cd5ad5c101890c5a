#include <gtest/gtest.h>

#include <string>

#include "calc/fold_full_width.h"
#include "calc/text_memory.h"

static std::string Fold(const std::string& text) {
    char* folded = FoldFullWidth(text.c_str());
    std::string result = folded;
    ReleaseText(folded);
    return result;
}

TEST(FoldFullWidth, FoldsByTheTable) {
    struct Case {
        const char* text;
        const char* folded;
    };
    const Case cases[] = {
        {"", ""},                                          // empty text
        {"1920 px", "1920 px"},                            // ASCII, spaces included, unchanged
        {"\xA3\xB1\xA3\xB9\xA3\xB2\xA3\xB0", "1920"},      // full-width digits
        {"\xA3\xAE\xA3\xAB\xA3\xAD\xA3\xAC", ".+-,"},      // stop, plus, minus, comma
        {"\xA3\xC4\xA3\xC5\xA3\xE4\xA3\xE5", "DEde"},      // exponent letters
        {"\xA3\xA1\xA3\xFE", "!~"},                        // ends of the full-width row
        {"\xA3\xA4", "$"},                                 // full-width yen sign
        {"\xA1\xA1" "5", " 5"},                            // ideographic space
        {"\xA1\xAB\xA1\xEE\xA1\xEF", "~**"},               // tilde and both stars
        {"\xA3\xA0\xA3\xFF", "\xA3\xA0\xA3\xFF"},          // just outside the row: unchanged
        {"\xD3\xA2\xB4\xE7", "\xD3\xA2\xB4\xE7"},          // 英寸 (other characters) unchanged
        {"\xA1\xA2", "\xA1\xA2"},                          // other A1 characters unchanged
        {"5\xA3", "5"},                                    // lone lead byte at the end is dropped
        {"\xA3" "5", "\xA3" "5"},                          // a lead byte takes an ASCII trail with it
        {"\x80\x80\xA3\xB1", "\x80\x80" "1"},              // 0x80 leads a two-byte character too
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Fold(c.text), c.folded) << "text bytes: " << testing::PrintToString(std::string(c.text));
    }
}
