#include "ui/rules/frame_style.h"

#include <gtest/gtest.h>

#include "ui/description/window_properties.h"

static WindowProperties MainWindowProperties() {
    WindowProperties p;
    p.caption = "\xC6\xC1\xC4\xBB"; // 屏幕
    return p;
}

TEST(FrameStyle, MainWindow) {
    FrameStyle frame = ComputeFrameStyle(MainWindowProperties(), 0, false, true);
    EXPECT_EQ(frame.style, 0x02CA0000u) << std::hex << "WS_CLIPCHILDREN|WS_CAPTION|WS_SYSMENU|WS_MINIMIZEBOX, got 0x"
                                        << frame.style;
    EXPECT_EQ(frame.exStyle, 0u);
    EXPECT_FALSE(frame.sizable);
    EXPECT_FALSE(frame.popup);
    EXPECT_EQ(CaptionBits(MainWindowProperties(), true), 0x00CA0000u);
    EXPECT_FALSE(NeedsHiddenOwner(MainWindowProperties(), false));
}

TEST(FrameStyle, Rules) {
    struct Case {
        const char* what;
        void (*change)(WindowProperties&);
        bool hasOwner;
        bool topLevel;
        uint32_t style;
        uint32_t exStyle;
        bool sizable;
    };
    const Case cases[] = {
        {"border 0: no frame, no caption", [](WindowProperties& p) { p.border = 0; }, false, true, 0x02020000, 0, false},
        {"border 1: sizable", [](WindowProperties& p) { p.border = 1; }, false, true, 0x02CE0000, 0, true},
        {"border 3: sizable tool window", [](WindowProperties& p) { p.border = 3; }, false, true, 0x02CE0000, 0x80,
         true},
        {"border 4: fixed tool window", [](WindowProperties& p) { p.border = 4; }, false, true, 0x02CA0000, 0x80,
         false},
        {"border 5: sizable client edge", [](WindowProperties& p) { p.border = 5; }, false, true, 0x02CE0000, 0x200,
         true},
        {"border 6: fixed client edge", [](WindowProperties& p) { p.border = 6; }, false, true, 0x02CA0000, 0x200,
         false},
        {"unknown border: fixed", [](WindowProperties& p) { p.border = 9; }, false, true, 0x02CA0000, 0, false},
        {"no caption, no control box, top level: dialog frame only",
         [](WindowProperties& p) {
             p.caption.clear();
             p.controlBox = 0;
         },
         false, true, 0x02420000, 0, false},
        {"no caption, no control box, not top level",
         [](WindowProperties& p) {
             p.caption.clear();
             p.controlBox = 0;
         },
         false, false, 0x02020000, 0, false},
        {"caption without control box: no system menu", [](WindowProperties& p) { p.controlBox = 0; }, false, true,
         0x02C20000, 0, false},
        {"control box without caption: still a caption", [](WindowProperties& p) { p.caption.clear(); }, false, true,
         0x02CA0000, 0, false},
        {"maximise box", [](WindowProperties& p) { p.maxButton = 1; }, false, true, 0x02CB0000, 0, false},
        {"no minimise box", [](WindowProperties& p) { p.minButton = 0; }, false, true, 0x02C80000, 0, false},
        {"start minimised", [](WindowProperties& p) { p.startPosition = 2; }, false, true, 0x22CA0000, 0, false},
        {"start maximised with a fixed frame: ignored", [](WindowProperties& p) { p.startPosition = 3; }, false,
         true, 0x02CA0000, 0, false},
        {"start maximised with a sizable frame",
         [](WindowProperties& p) {
             p.startPosition = 3;
             p.border = 1;
         },
         false, true, 0x03CE0000, 0, true},
        {"owned: popup", [](WindowProperties&) {}, true, true, 0x82CA0000, 0, false},
    };
    for (const Case& c : cases) {
        WindowProperties p = MainWindowProperties();
        c.change(p);
        FrameStyle frame = ComputeFrameStyle(p, 0, c.hasOwner, c.topLevel);
        EXPECT_EQ(frame.style, c.style) << c.what << std::hex << ": got 0x" << frame.style << ", expected 0x"
                                        << c.style;
        EXPECT_EQ(frame.exStyle, c.exStyle) << c.what;
        EXPECT_EQ(frame.sizable, c.sizable) << c.what;
        EXPECT_EQ(frame.popup, c.hasOwner) << c.what;
        EXPECT_EQ(CaptionBits(p, c.topLevel), frame.style & kCaptionBitsMask)
            << c.what;
    }
}

TEST(FrameStyle, StateBitsAreKept) {
    const uint32_t kDisabled = 0x08000000;
    FrameStyle frame = ComputeFrameStyle(MainWindowProperties(), kDisabled, false, true);
    EXPECT_EQ(frame.style, 0x0ACA0000u) << std::hex << "got 0x" << frame.style;
}

TEST(FrameStyle, HiddenOwnerOnlyWithoutTaskbarButtonAndOwner) {
    WindowProperties p = MainWindowProperties();
    p.showInTaskbar = 0;
    EXPECT_TRUE(NeedsHiddenOwner(p, false));
    EXPECT_FALSE(NeedsHiddenOwner(p, true));
}
