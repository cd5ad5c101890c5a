#pragma once
// The button kind (kind 11, "按钮" / Button): a platform push button whose
// click (BN_CLICKED, reflected back to it by the parent) raises event 0, and
// whose focus changes raise -7 and -8.
//
// A stored picture is kept, handed out and saved, but not decoded or shown:
// the button shows its caption.
struct ControlKind;

extern const ControlKind kButtonKind;
