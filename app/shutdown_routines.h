#pragma once
// The routines that program code registers to run when the program ends.
#include <cstddef>
#include <vector>

using ShutdownRoutine = void (*)();

class ShutdownRoutines {
public:
    // Appends the routine unless it is already in the list.
    void Register(ShutdownRoutine routine);
    // Calls every routine in registration order, then empties the list. A
    // routine registered while the list runs is run too, once.
    void RunAll();
    // Forgets every routine without calling any.
    void Clear() { routines.clear(); }
    size_t Count() const { return routines.size(); }

private:
    std::vector<ShutdownRoutine> routines;
};
