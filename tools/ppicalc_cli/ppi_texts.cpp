#include "tools/ppicalc_cli/ppi_texts.h"

#include "calc/ppi_calculation.h"
#include "tools/ppicalc_cli/memory_control_texts.h"

PpiTexts RunPpiCalculation(const std::string& horizontal, const std::string& vertical, const std::string& inches) {
    MemoryControlTexts controls;
    controls.Text(kMainWindowId, kHorizontalPixelsBoxId) = horizontal;
    controls.Text(kMainWindowId, kVerticalPixelsBoxId) = vertical;
    controls.Text(kMainWindowId, kDiagonalInchesBoxId) = inches;
    controls.Text(kMainWindowId, kDensityBoxId) = "PPI";  // the box's initial text
    PpiCalculation(controls);
    return PpiTexts{controls.Text(kMainWindowId, kDiagonalPixelsBoxId), controls.Text(kMainWindowId, kDensityBoxId)};
}
