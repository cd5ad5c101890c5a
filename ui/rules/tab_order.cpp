#include "ui/rules/tab_order.h"

#include <algorithm>

#include "ui/description/identifiers.h"

bool IsTabCandidate(const FocusCandidate& control) {
    return control.exists && control.visible && control.enabled && control.tabStop &&
           (control.traits & (kTraitHiddenNoFocus | kTraitNeverFocus)) == 0;
}

// The candidates' indices by ascending tabOrder; equal numbers keep creation
// order (the stable sort keeps the index order of `controls`).
static std::vector<int> TabSequence(const std::vector<FocusCandidate>& controls) {
    std::vector<int> sequence;
    for (size_t i = 0; i < controls.size(); i++) {
        if (IsTabCandidate(controls[i])) {
            sequence.push_back(static_cast<int>(i));
        }
    }
    std::stable_sort(sequence.begin(), sequence.end(),
                     [&](int a, int b) { return controls[a].tabOrder < controls[b].tabOrder; });
    return sequence;
}

// From a label: forward to the first candidate numbered at least as high as
// the label, backward to the last one numbered lower; no wrapping.
static int StepFromLabel(const std::vector<FocusCandidate>& controls, const std::vector<int>& sequence,
                         int32_t labelTabOrder, bool forward) {
    if (forward) {
        for (int index : sequence) {
            if (controls[index].tabOrder >= labelTabOrder) {
                return index;
            }
        }
        return -1;
    }
    for (auto it = sequence.rbegin(); it != sequence.rend(); ++it) {
        if (controls[*it].tabOrder < labelTabOrder) {
            return *it;
        }
    }
    return -1;
}

// From a control outside the sequence (or from none, -1): forward to the
// first candidate in Tab order that was created after it, backward to the
// last one created before it; failing that, the first or the last candidate.
static int StepFromOutside(const std::vector<int>& sequence, int focused, bool forward) {
    if (forward) {
        for (int index : sequence) {
            if (index > focused) {
                return index;
            }
        }
        return sequence.front();
    }
    for (auto it = sequence.rbegin(); it != sequence.rend(); ++it) {
        if (*it < focused) {
            return *it;
        }
    }
    return sequence.back();
}

int NextInTabOrder(const std::vector<FocusCandidate>& controls, int focused, bool forward) {
    std::vector<int> sequence = TabSequence(controls);
    if (sequence.empty()) {
        return -1;
    }
    bool known = focused >= 0 && static_cast<size_t>(focused) < controls.size();
    if (!known) {
        focused = -1;
    } else if (controls[focused].traits & kTraitLabelLike) {
        return StepFromLabel(controls, sequence, controls[focused].tabOrder, forward);
    }
    auto at = std::find(sequence.begin(), sequence.end(), focused);
    if (at == sequence.end()) {
        return StepFromOutside(sequence, focused, forward);
    }
    size_t position = static_cast<size_t>(at - sequence.begin());
    size_t count = sequence.size();
    return sequence[forward ? (position + 1) % count : (position + count - 1) % count];
}

int FirstFocus(const std::vector<FocusCandidate>& controls) {
    std::vector<int> sequence = TabSequence(controls);
    return sequence.empty() ? -1 : sequence.front();
}
