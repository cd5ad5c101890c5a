#pragma once
// The shell's services that the start routine calls.
#include "app/shutdown_routines.h"

// Service 6: initialises the program. Records the heap and the program
// header's fields, initialises OLE, makes the executable's directory the
// current directory, creates the hidden owner window and reads the form
// description. An unreadable description is a fatal error (does not return).
void InitialiseProgram();

// Service 3: registers a routine to run at shutdown; a routine already in the
// list is not added again.
void RegisterShutdownRoutine(ShutdownRoutine routine);
