#pragma once
// Moving the focus between the controls of a window: the first focus and
// Tab / Shift+Tab.
struct WindowUnit;

// Gives the focus to the first control in Tab order; false when none qualifies.
bool FocusFirstControl(const WindowUnit& unit);

// Moves the focus from the focused control (or from none) to the next (or
// previous) control in Tab order; false when none qualifies.
bool MoveFocus(const WindowUnit& unit, bool forward);

// Moves the focus onwards from the control of `element` (a label passing on
// the focus of its mnemonic).
bool MoveFocusFrom(const WindowUnit& unit, int element, bool forward);
