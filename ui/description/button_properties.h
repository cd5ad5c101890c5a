#pragma once
// The button's own property record.
#include <cstdint>
#include <string>
#include <vector>

constexpr uint32_t kButtonPropertiesVersion = 1;

struct ButtonProperties {
    int32_t version = kButtonPropertiesVersion;
    int32_t buttonType = 0; // 0 push button, 1 default push button
    int32_t hAlign = 1;     // 0..2
    int32_t vAlign = 1;     // 0..2
    std::vector<uint8_t> picture;
    std::vector<uint8_t> font; // empty or a 60-byte LOGFONTA
    std::string caption = "\xB0\xB4\xC5\xA5"; // "按钮"

    bool operator==(const ButtonProperties&) const = default;
};

bool ReadButtonProperties(const uint8_t* data, size_t length, ButtonProperties& properties);
std::vector<uint8_t> WriteButtonProperties(const ButtonProperties& properties);
