#pragma once
// Which control Tab, Shift+Tab and the first focus go to.
#include <cstdint>
#include <vector>

// What the focus rules need to know of one control, listed in creation order.
struct FocusCandidate {
    bool exists = false;
    bool visible = false;
    bool enabled = false;
    bool tabStop = false;   // bit 2 of stateFlags
    uint32_t traits = 0;    // the kind's trait bits
    int32_t tabOrder = 0;
};

// True when the control may receive the focus by Tab or as first focus.
bool IsTabCandidate(const FocusCandidate& control);

// The index (into `controls`) of the control Tab (forward) or Shift+Tab
// (backward) moves to from `focused` (an index, or -1 for none); -1 when no
// control qualifies. Candidates go by ascending tabOrder, then creation
// order, and both directions wrap around. From a control that is not a
// candidate (or from none) Tab goes to the first candidate in that order
// created after it and Shift+Tab to the last one created before it, else to
// the first or last candidate. From a label-like control (trait 0x2000) Tab
// goes to the first candidate whose tabOrder is not below the label's and
// Shift+Tab to the last one whose tabOrder is below it, without wrapping.
int NextInTabOrder(const std::vector<FocusCandidate>& controls, int focused, bool forward);

// The candidate with the smallest tabOrder, ties to the one created first; -1
// when none qualifies.
int FirstFocus(const std::vector<FocusCandidate>& controls);
