#include "ui/window/control_kind.h"

#include "ui/description/identifiers.h"
#include "ui/window/window_kind.h"

// The kinds of the built-in library are found by kind number. A kind whose
// source is not part of the build is absent from the table: building a
// window that uses it fails like any unknown kind.
#if __has_include("ui/kinds/edit_box.h")
#include "ui/kinds/edit_box.h"
#define PPICALC_HAS_EDIT_BOX 1
#endif
#if __has_include("ui/kinds/button.h")
#include "ui/kinds/button.h"
#define PPICALC_HAS_BUTTON 1
#endif
#if __has_include("ui/kinds/label.h")
#include "ui/kinds/label.h"
#define PPICALC_HAS_LABEL 1
#endif
#if __has_include("ui/kinds/picture_box.h")
#include "ui/kinds/picture_box.h"
#define PPICALC_HAS_PICTURE_BOX 1
#endif

static const ControlKind* BuiltInKind(uint32_t kindNumber) {
    switch (kindNumber) {
    case kKindWindow:
        return &kWindowKind;
#ifdef PPICALC_HAS_EDIT_BOX
    case kKindEditBox:
        return &kEditBoxKind;
#endif
#ifdef PPICALC_HAS_BUTTON
    case kKindButton:
        return &kButtonKind;
#endif
#ifdef PPICALC_HAS_LABEL
    case kKindLabel:
        return &kLabelKind;
#endif
#ifdef PPICALC_HAS_PICTURE_BOX
    case kKindPicBox:
        return &kPictureBoxKind;
#endif
    default:
        return nullptr;
    }
}

const ControlKind* FindControlKind(uint32_t kindField) {
    return LibraryOf(kindField) == kBuiltInLibrary ? BuiltInKind(KindNumberOf(kindField)) : nullptr;
}
