#pragma once
// Window and extended style bits of a top-level window from its properties.
#include <cstdint>

struct WindowProperties;

struct FrameStyle {
    uint32_t style = 0;
    uint32_t exStyle = 0;
    bool sizable = false;
    bool popup = false; // owned windows are popups
};

// stateStyle holds WS_DISABLED/WS_VISIBLE-free bits taken from stateFlags;
// hasOwner is true when the window is created with an owner.
FrameStyle ComputeFrameStyle(const WindowProperties& properties, uint32_t stateStyle, bool hasOwner, bool topLevel);

// The caption, system-menu, minimise- and maximise-box bits alone (recomputed
// and re-applied after creation).
uint32_t CaptionBits(const WindowProperties& properties, bool topLevel);
