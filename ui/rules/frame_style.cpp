#include "ui/rules/frame_style.h"

#include "ui/description/window_properties.h"

// Border values: 0 none, 1 sizable, 2 fixed, 3 sizable tool window, 4 fixed
// tool window, 5 sizable with client edge, 6 fixed with client edge.
static bool IsSizableBorder(uint32_t border) {
    return border == 1 || border == 3 || border == 5;
}

static uint32_t BorderExStyle(uint32_t border) {
    if (border == 3 || border == 4) {
        return kExStyleToolWindow;
    }
    if (border == 5 || border == 6) {
        return kExStyleClientEdge;
    }
    return 0;
}

// Caption and system menu exist only with a frame; a top-level window with a
// frame always has the dialog frame, with or without a caption.
static uint32_t FrameBits(const WindowProperties& properties, bool topLevel) {
    if (properties.border == 0) {
        return 0;
    }
    uint32_t style = 0;
    if (!properties.caption.empty() || properties.controlBox == 1) {
        style |= kStyleCaption;
    }
    if (properties.controlBox == 1) {
        style |= kStyleSysMenu;
    }
    if (topLevel) {
        style |= kStyleDlgFrame;
    }
    if (IsSizableBorder(properties.border)) {
        style |= kStyleThickFrame;
    }
    return style;
}

FrameStyle ComputeFrameStyle(const WindowProperties& properties, uint32_t stateStyle, bool hasOwner, bool topLevel) {
    FrameStyle result;
    result.sizable = IsSizableBorder(properties.border);
    result.popup = hasOwner;
    result.style = stateStyle | kStyleClipChildren | FrameBits(properties, topLevel);
    result.exStyle = BorderExStyle(properties.border);
    if (properties.maxButton == 1) {
        result.style |= kStyleMaximizeBox;
    }
    if (properties.minButton == 1) {
        result.style |= kStyleMinimizeBox;
    }
    if (properties.startPosition == 2) {
        result.style |= kStyleMinimize;
    } else if (properties.startPosition == 3 && result.sizable) {
        result.style |= kStyleMaximize;
    }
    if (hasOwner) {
        result.style |= kStylePopup;
    }
    return result;
}

uint32_t CaptionBits(const WindowProperties& properties, bool topLevel) {
    return ComputeFrameStyle(properties, 0, false, topLevel).style & kCaptionBitsMask;
}

bool NeedsHiddenOwner(const WindowProperties& properties, bool ownerGiven) {
    return !ownerGiven && properties.showInTaskbar == 0;
}
