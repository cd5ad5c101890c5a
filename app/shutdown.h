#pragma once
// Ending the program: windows, shutdown routines, kind libraries, OLE.

// Runs the shutdown with `exitCode`. Blocks events for good; from a thread
// other than the GUI thread it only notifies the owner window and ends the
// process.
void ShutDown(int exitCode);
