#pragma once
// Handling the messages already waiting in the thread's queue.

// Dispatches the messages that are waiting now (through the window's
// keyboard rules like the message loop does) and returns when the queue is
// empty. A quit message is put back for the message loop.
void PumpWaitingMessages();
