#pragma once
// Making a control anew after a property change that its live window cannot
// show by itself.
struct WindowUnit;
struct ControlKind;

// Replaces the live control of `element` by a new one of the same kind made
// from the old one's saved properties, in the same place, parent, child id,
// enabled state, visibility and stacking position; the focus follows. Events
// are blocked meanwhile. When the new control cannot be made, the old one
// stays.
void RecreateControl(WindowUnit& unit, int element, const ControlKind& kind);
