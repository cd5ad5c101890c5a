#pragma once
// The order in which a window's controls are created, and their child ids.
//
// Element 0 is the window; its controls are created from the last element
// down to element 1, so with the controls stored in descending id order they
// come to life in ascending id order. The n-th control created (from 0) gets
// child window id 100 + 10n.

// The element index of the control created at creationIndex (0 for the first
// control) in a window of elementCount elements; -1 when out of range.
constexpr int ElementOfCreation(int creationIndex, int elementCount) {
    if (creationIndex < 0 || creationIndex >= elementCount - 1) {
        return -1;
    }
    return elementCount - 1 - creationIndex;
}

constexpr unsigned ChildIdOfCreation(int creationIndex) {
    return 100u + 10u * static_cast<unsigned>(creationIndex);
}
