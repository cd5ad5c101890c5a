#pragma once
// The edit box's own property record.
#include <cstdint>
#include <string>
#include <vector>

constexpr uint32_t kEditBoxPropertiesVersion = 2;

struct EditBoxProperties {
    int32_t version = kEditBoxPropertiesVersion;
    int32_t border = 1;         // 0..5
    uint32_t textColor = 0x00000000;
    uint32_t backColor = 0x00FFFFFF; // 0xFF000000 = button face
    int32_t hideSelection = 1;
    int32_t maxLength = 0;      // 0 = the platform's maximum
    int32_t multiLine = 0;
    int32_t scrollBars = 0;     // 0..3
    int32_t hAlign = 0;         // 0..2
    int32_t inputMode = 0;      // 0..11
    uint16_t passwordChar = 42; // stored as 16 bits; the low byte is the character
    int32_t letterCase = 0;     // 0..2
    int32_t spinMode = 0;       // 0..2
    int32_t spinMin = 0;
    int32_t spinMax = 100;
    int32_t selStart = 0;
    int32_t selLength = 0;
    std::vector<uint8_t> font;  // empty or a 60-byte LOGFONTA
    std::string text;
    std::string dataSource;     // version 2 only
    std::string dataColumn;     // version 2 only

    bool operator==(const EditBoxProperties&) const = default;
};

bool ReadEditBoxProperties(const uint8_t* data, size_t length, EditBoxProperties& properties);
std::vector<uint8_t> WriteEditBoxProperties(const EditBoxProperties& properties);
