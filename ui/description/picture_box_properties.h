#pragma once
// The picture box's own property record.
#include <cstdint>
#include <string>
#include <vector>

constexpr uint32_t kPictureBoxPropertiesVersion = 2;

struct PictureBoxProperties {
    uint32_t version = kPictureBoxPropertiesVersion;
    uint32_t border = 0;            // 0..5
    uint32_t backColor = 0xFF000000;
    uint32_t displayMode = 0;       // 0..3
    uint32_t playAnimation = 1;
    std::vector<uint8_t> picture;
    std::string dataSource;         // version 2 only
    std::string dataColumn;         // version 2 only

    bool operator==(const PictureBoxProperties&) const = default;
};

bool ReadPictureBoxProperties(const uint8_t* data, size_t length, PictureBoxProperties& properties);
std::vector<uint8_t> WritePictureBoxProperties(const PictureBoxProperties& properties);
