#include <gtest/gtest.h>

#include <string>

#include "app/module_path.h"

// Lead bytes of code page 936: a 0x5C after one of them is half a character.
static bool IsGbkLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

static bool NoLeadBytes(unsigned char) {
    return false;
}

TEST(SplitModulePath, SplitsAtTheLastBackslashCharacter) {
    struct Case {
        const char* path;
        const char* directory;
        const char* fileName;
    };
    const Case cases[] = {
        // the usual case
        {"C:\\Program Files\\ppicalc\\ppicalc.exe", "C:\\Program Files\\ppicalc", "ppicalc.exe"},
        // a file in a drive's root keeps the drive as its directory
        {"C:\\ppicalc.exe", "C:", "ppicalc.exe"},
        // no backslash: empty directory, the whole path is the file name
        {"ppicalc.exe", "", "ppicalc.exe"},
        {"", "", ""},
        // a trailing backslash leaves an empty file name
        {"C:\\dir\\", "C:\\dir", ""},
        // "乗" is 81 5C in GBK: its second byte is not a separator
        {"C:\\\xB9\xA4\xBE\xDF\\\x81\x5C.exe", "C:\\\xB9\xA4\xBE\xDF", "\x81\x5C.exe"},
        // a directory name ending in that character
        {"D:\\\x81\x5C\\a.exe", "D:\\\x81\x5C", "a.exe"},
        // a lead byte as the very last byte stands alone
        {"C:\\x\\a\x81", "C:\\x", "a\x81"},
        // network paths split like any other
        {"\\\\server\\share\\a.exe", "\\\\server\\share", "a.exe"},
    };
    for (const Case& c : cases) {
        std::string directory = "stale";
        std::string fileName = "stale";
        SplitModulePath(c.path, IsGbkLeadByte, directory, fileName);
        EXPECT_EQ(directory, c.directory) << "path " << c.path;
        EXPECT_EQ(fileName, c.fileName) << "path " << c.path;
    }
}

TEST(SplitModulePath, WithoutLeadBytesEveryBackslashCounts) {
    std::string directory;
    std::string fileName;
    SplitModulePath("C:\\\x81\\a.exe", NoLeadBytes, directory, fileName);
    EXPECT_EQ(directory, "C:\\\x81");
    EXPECT_EQ(fileName, "a.exe");
}
