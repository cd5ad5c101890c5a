#pragma once
// The program's event handlers, found by the handler offsets stored in the
// form description.
#include <cstddef>

struct HandlerEntry;

// Offset 0: the calculation, bound to the click of the button.
extern const HandlerEntry kProgramHandlers[];
extern const size_t kProgramHandlerCount;
