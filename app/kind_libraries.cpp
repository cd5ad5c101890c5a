#include "app/kind_libraries.h"

#include "ui/window/control_kind.h"

// The built-in kinds keep no state of their own that the shell must set up
// or tear down, so both notifications need nothing done.
static void NotifyBuiltInKinds(uint32_t) {}

const KindLibraryRecord kBuiltInKindLibrary = {FindControlKind, NotifyBuiltInKinds};

void NotifyKindLibraries(const KindLibraryRecord* libraries, uint32_t count, uint32_t notification) {
    for (uint32_t i = 0; i < count; i++) {
        if (libraries[i].notify) {
            libraries[i].notify(notification);
        }
    }
}
