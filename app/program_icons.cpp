#include "app/program_icons.h"

#include "app/app_state.h"

static bool gIconsLoaded = false;

static HICON LoadProgramIcon(int size) {
    HANDLE image = LoadImageA(GetModuleHandleA(nullptr), "DEFAULT_ICON", IMAGE_ICON, size, size, 0);
    return static_cast<HICON>(image);
}

void GetProgramIcons(HICON& bigIcon, HICON& smallIcon) {
    // Once per process: a missing resource is not retried on every window.
    if (!gIconsLoaded) {
        gIconsLoaded = true;
        gApp.bigIcon = LoadProgramIcon(32);
        gApp.smallIcon = LoadProgramIcon(16);
    }
    bigIcon = gApp.bigIcon;
    smallIcon = gApp.smallIcon;
}

void DestroyProgramIcons() {
    // LoadImageA without LR_SHARED made these copies, so they are ours to destroy.
    if (gApp.bigIcon) {
        DestroyIcon(gApp.bigIcon);
        gApp.bigIcon = nullptr;
    }
    if (gApp.smallIcon) {
        DestroyIcon(gApp.smallIcon);
        gApp.smallIcon = nullptr;
    }
}
