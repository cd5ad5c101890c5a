#include "app/app_state.h"

// Constructed with the other statics, before WinMain runs.
AppState gApp;
