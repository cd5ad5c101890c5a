#pragma once
// The picture-box kind (图片框/PicBox): a background colour and a picture
// placed by its display mode.
struct ControlKind;

extern const ControlKind kPictureBoxKind;
