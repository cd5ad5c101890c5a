// Asks the program's memory for more than a 32-bit process can ever get; the
// memory-exhaustion report must follow and end the process with -1.
//   heap_exhaustion_probe text     through the program's text memory
//   heap_exhaustion_probe object   through an ordinary C++ allocation
#include <windows.h>

#include <cstring>
#include <vector>

#include "app/heap_text_memory.h"
#include "calc/text_memory.h"

static const size_t kImpossibleSize = 0x7FFFFFF0;

// Kept outside the function so the allocation cannot be optimised away.
std::vector<char> gObjectMemory;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    InstallProcessHeapTextMemory();
    if (std::strcmp(commandLine, "object") == 0) {
        gObjectMemory.reserve(kImpossibleSize);
    } else {
        AllocateText(kImpossibleSize);
    }
    return 0; // not reached: the report ends the process
}
