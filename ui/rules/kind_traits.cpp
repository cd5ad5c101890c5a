#include "ui/rules/kind_traits.h"

#include "ui/description/identifiers.h"

uint32_t BuiltInKindTraits(uint32_t kindNumber) {
    switch (kindNumber) {
    case kKindWindow:
        return kTraitsWindow;
    case kKindEditBox:
        return kTraitsEditBox;
    case kKindPicBox:
        return kTraitsPicBox;
    case kKindLabel:
        return kTraitsLabel;
    case kKindButton:
        return kTraitsButton;
    default:
        return 0;
    }
}
