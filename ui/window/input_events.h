#pragma once
// Event numbers of the key and mouse input that the window hands to the
// target control's events before delivering it.
#include <cstdint>

constexpr int32_t kEventMouseDown = -1; // arguments: button, x, y (client coordinates)
constexpr int32_t kEventMouseUp = -2;
constexpr int32_t kEventMouseMove = -3;
constexpr int32_t kEventKeyDown = -4;   // argument: key code with modifier bits
constexpr int32_t kEventKeyUp = -5;
