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
// control qualifies.
int NextInTabOrder(const std::vector<FocusCandidate>& controls, int focused, bool forward);

// The candidate with the smallest tabOrder, ties to the one created first; -1
// when none qualifies.
int FirstFocus(const std::vector<FocusCandidate>& controls);
