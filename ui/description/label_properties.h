#pragma once
// The label's own property record.
#include <cstdint>
#include <string>
#include <vector>

constexpr uint32_t kLabelPropertiesVersion = 2;

struct LabelProperties {
    uint32_t version = kLabelPropertiesVersion;
    uint32_t effect = 0;              // 0..3
    int32_t gradientBorderWidth = 8;
    uint32_t border = 0;              // 0..6
    uint32_t gradientBorderColor1 = 0x808080;
    uint32_t gradientBorderColor2 = 0xFFFFFF;
    uint32_t gradientBorderColor3 = 0x808080;
    uint32_t textColor = 0x000000;
    uint32_t backColor = 0xFF000000;
    uint32_t pictureMode = 1;         // 0..2
    uint32_t gradientBackMode = 0;    // 0..8
    uint32_t gradientBackColor1 = 0x808080;
    uint32_t gradientBackColor2 = 0xFFFFFF;
    uint32_t gradientBackColor3 = 0x808080;
    uint32_t hAlign = 0;              // 0..2
    uint32_t vAlign = 1;              // 0..2
    uint32_t wordWrap = 0;
    std::vector<uint8_t> font;        // empty or a 60-byte LOGFONTA
    std::vector<uint8_t> picture;
    std::string text = "\xB1\xEA\xC7\xA9"; // "标签"
    std::string dataSource;           // version 2 only
    std::string dataColumn;           // version 2 only

    bool operator==(const LabelProperties&) const = default;
};

bool ReadLabelProperties(const uint8_t* data, size_t length, LabelProperties& properties);
std::vector<uint8_t> WriteLabelProperties(const LabelProperties& properties);
