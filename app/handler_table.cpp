#include "app/handler_table.h"

#include "calc/ppi_calculation.h"
#include "ui/window/live_control_texts.h"
#include "ui/window/window_units.h"

// The click of the button: runs the calculation on the live window. It gives
// no result (only close queries use one).
static bool OnCalculateClicked(const EventRecord&, int32_t&) {
    PpiCalculation(LiveControlTexts());
    return false;
}

const HandlerEntry kProgramHandlers[] = {
    {0, OnCalculateClicked},
};
const size_t kProgramHandlerCount = sizeof(kProgramHandlers) / sizeof(kProgramHandlers[0]);
