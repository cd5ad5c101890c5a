#include "app/shutdown_routines.h"

#include <algorithm>

void ShutdownRoutines::Register(ShutdownRoutine routine) {
    if (routine == nullptr) {
        return;
    }
    if (std::find(routines.begin(), routines.end(), routine) == routines.end()) {
        routines.push_back(routine);
    }
}

void ShutdownRoutines::RunAll() {
    // Indexed, not iterated: a routine may register another one, which moves
    // the vector's storage.
    for (size_t i = 0; i < routines.size(); i++) {
        ShutdownRoutine routine = routines[i];
        routine();
    }
    routines.clear();
}
