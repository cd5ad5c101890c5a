#pragma once
// Which typed characters an edit box takes in each input mode.
//
// Modes 0 to 2 (normal, read-only, password) and 11 take everything; the
// entry modes for numbers and dates take only the characters a number can
// start with. Control characters (codes below 32) always pass, so Backspace,
// Ctrl+C/V/X and the like keep working in every mode. Typing is filtered
// only: pasted text and text written by code are not.
#include <cstdint>

constexpr int32_t kInputModeNormal = 0;
constexpr int32_t kInputModeReadOnly = 1;
constexpr int32_t kInputModePassword = 2;
constexpr int32_t kLargestInputMode = 11;

// charCode is the character of a WM_CHAR message.
bool InputModeAccepts(int32_t inputMode, uint32_t charCode);
