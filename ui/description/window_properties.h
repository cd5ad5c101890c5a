#pragma once
// The window's own property record (the kindRecord of element 0).
#include <cstdint>
#include <string>
#include <vector>

constexpr uint32_t kWindowPropertiesVersion = 6; // newest readable version, written by writers
constexpr uint32_t kDefaultColor = 0xFF000000;   // COLORREF stand-in for the button-face colour

struct WindowProperties {
    uint32_t version = kWindowPropertiesVersion;
    uint32_t border = 2;        // 0..6 frame style
    uint32_t pictureMode = 1;   // 0..3 placement of the background picture
    uint32_t backColor = kDefaultColor;
    uint32_t maxButton = 0;
    uint32_t minButton = 1;
    uint32_t controlBox = 1;
    uint32_t startPosition = 1; // 0 stored place, 1 centred, 2 minimised, 3 maximised
    uint32_t movable = 1;
    uint32_t musicMode = 0;
    uint32_t enterMovesFocus = 0;
    uint32_t escCloses = 1;
    uint32_t f1Help = 0;
    uint32_t helpContext = 0;
    uint32_t showInTaskbar = 1;   // version 2 and later
    uint32_t dragAnywhere = 0;    // version 3 and later
    uint32_t shape = 0;           // version 3 and later
    uint32_t topmost = 0;         // version 4 and later
    uint32_t keepTitleActive = 0; // version 5 and later
    std::string className;        // version 6 only; empty = "WTWindow"
    std::vector<uint8_t> picture;
    std::vector<uint8_t> icon;
    std::vector<uint8_t> music;
    std::string caption;
    std::string helpFile;

    bool operator==(const WindowProperties&) const = default;
};

// Reads a record; an empty record gives the defaults. False for a version
// above 6 or a record that ends before its last field.
bool ReadWindowProperties(const uint8_t* data, size_t length, WindowProperties& properties);
// Writes the fields that properties.version holds (the inverse of the reader).
std::vector<uint8_t> WriteWindowProperties(const WindowProperties& properties);
