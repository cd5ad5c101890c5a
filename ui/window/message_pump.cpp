#include "ui/window/message_pump.h"

#include <windows.h>

#include "ui/window/pre_translate.h"

// Painting and timers are made up by the system whenever the queue is
// otherwise empty, so a window that never validates itself could keep the
// queue busy for ever; the pump gives up after this many messages.
constexpr int kMaxPumpedMessages = 10000;

void PumpWaitingMessages() {
    MSG message;
    for (int i = 0; i < kMaxPumpedMessages && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); i++) {
        if (message.message == WM_QUIT) {
            // The quit message belongs to the message loop, which must still
            // see it to end the program.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (PreTranslateWindowMessage(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
