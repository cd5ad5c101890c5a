#pragma once
// The window's look at a message before it reaches its target.
#include <windows.h>

// Applies the keyboard rules of the window that contains the message's target
// (Tab, Enter, Esc, F1, mnemonics) and hands key and mouse input to the
// target's events. True when the message was consumed and must not be
// dispatched.
bool PreTranslateWindowMessage(MSG& message);
