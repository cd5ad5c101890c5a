#pragma once
// Notifications that the main window hands back to the control that sent them.
//
// A parent receives WM_COMMAND and the WM_CTLCOLOR* messages for its children;
// it re-sends each to the child with kReflectBase added to the message number,
// so every control kind handles its own notifications.
#include <windows.h>

constexpr UINT kReflectBase = 0x2000; // WM_USER + 0x1C00
constexpr UINT kReflectedCommand = kReflectBase + WM_COMMAND;
constexpr UINT kReflectedCtlColorEdit = kReflectBase + WM_CTLCOLOREDIT;
constexpr UINT kReflectedCtlColorStatic = kReflectBase + WM_CTLCOLORSTATIC;
constexpr UINT kReflectedCtlColorButton = kReflectBase + WM_CTLCOLORBTN;

// Private messages of the window build, sent to every element.
constexpr UINT kMsgAllControlsCreated = 0x806F;
constexpr UINT kMsgLayoutDockedBars = 0x8004;
constexpr UINT kMsgWindowShown = 0x8076;

// Re-sends a child notification (WM_COMMAND or WM_CTLCOLOREDIT, -STATIC,
// -BTN) to the child that sent it. Returns true and sets `result` when the
// child handled it; false for every other message, which the caller handles.
bool ReflectNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
