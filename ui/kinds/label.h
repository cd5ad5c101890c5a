#pragma once
// The label kind (标签/Label): a caption that paints its own background,
// border and text.
struct ControlKind;

extern const ControlKind kLabelKind;
