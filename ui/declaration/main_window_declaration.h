#pragma once
// The program's one window and its thirteen controls, declared in C++ and
// turned into the bytes of the form description by the form writer tool.
#include <cstdint>
#include <vector>

#include "ui/description/form_description.h"

// Control ids of the main window (kMainWindowId), in the stored element order.
constexpr uint32_t kLabel6Id = 0x16010032;       // "比如：15.6英寸"
constexpr uint32_t kLabel5Id = 0x16010031;       // "比如：1080"
constexpr uint32_t kLabel4Id = 0x16010030;       // "比如：1920"
constexpr uint32_t kPictureBox1Id = 0x1601002B;  // the formula
constexpr uint32_t kEditBox5Id = 0x16010028;     // the density, disabled
constexpr uint32_t kEditBox4Id = 0x16010022;     // the rounded diagonal, hidden
constexpr uint32_t kButton1Id = 0x16010011;      // "计算"
constexpr uint32_t kEditBox3Id = 0x16010010;     // size in inches
constexpr uint32_t kLabel2Id = 0x1601000E;       // "屏幕尺寸inch"
constexpr uint32_t kEditBox2Id = 0x1601000D;     // vertical pixels
constexpr uint32_t kEditBox1Id = 0x1601000C;     // horizontal pixels
constexpr uint32_t kLabel1Id = 0x16010007;       // "纵向pixel"
constexpr uint32_t kLabelHorizontalId = 0x16010002; // "横向pixel"

// The handler offset bound to the click of 按钮1: the first handler.
constexpr int32_t kCalculationHandlerOffset = 0;

// The whole description: the main window alone, its own record first and
// then its controls in descending id order. formulaPng is the picture of
// 图片框1, stored as given.
FormDescription DeclareMainWindow(const std::vector<uint8_t>& formulaPng);
