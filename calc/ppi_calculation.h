#pragma once
// The calculation behind the button 按钮1 ("计算"): the diagonal of a screen
// in pixels and its pixel density.
#include <cstdint>

class ControlTexts;

constexpr uint32_t kMainWindowId = 0x52010001;
constexpr uint32_t kHorizontalPixelsBoxId = 0x1601000C;  // 编辑框1, read
constexpr uint32_t kVerticalPixelsBoxId = 0x1601000D;    // 编辑框2, read
constexpr uint32_t kDiagonalInchesBoxId = 0x16010010;    // 编辑框3, read
constexpr uint32_t kDiagonalPixelsBoxId = 0x16010022;    // 编辑框4, hidden: written, then read back
constexpr uint32_t kDensityBoxId = 0x16010028;           // 编辑框5, written

// Reads the horizontal and vertical resolution, writes the diagonal in
// pixels rounded to 2 places into 编辑框4, reads that text back, divides it by
// the size in inches from 编辑框3 and writes the density into 编辑框5. Every
// text obtained is released right after use. Never fails: non-numbers read as
// 0, and infinities and NaNs are written as their texts.
void PpiCalculation(ControlTexts& controls);
