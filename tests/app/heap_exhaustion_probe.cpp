// Installs the program's text memory and asks it for more than a 32-bit
// process can ever get; the memory-exhaustion report must follow and end the
// process with -1.
#include <windows.h>

#include "app/heap_text_memory.h"
#include "calc/text_memory.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InstallProcessHeapTextMemory();
    AllocateText(0x7FFFFFF0);
    return 0; // not reached: the report ends the process
}
