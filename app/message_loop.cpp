#include "app/message_loop.h"

#include <windows.h>

#include "app/app_state.h"
#include "ui/window/pre_translate.h"
#include "ui/window/window_units.h"

void RunMessageLoop() {
    gApp.loopStarted = true;
    // With no window, nothing could ever post the quit message.
    if (!AnyWindowAlive()) {
        return;
    }
    // No idle routines are bound in this program, so the loop just waits in
    // GetMessageA.
    MSG message;
    for (;;) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            gApp.quitCode = static_cast<int>(message.wParam);
            return;
        }
        if (got == -1) {
            // Only an invalid window filter fails, and there is none; ending
            // here beats spinning on an error forever.
            return;
        }
        if (PreTranslateWindowMessage(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
