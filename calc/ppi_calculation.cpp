#include "calc/ppi_calculation.h"

#include "calc/control_texts.h"
#include "calc/number_to_text.h"
#include "calc/raise_to_power.h"
#include "calc/round_to_places.h"
#include "calc/text_to_number.h"

// The number in a box's text; the text is released at once. An empty box
// reads as null, which converts like "".
static double ReadNumber(ControlTexts& controls, uint32_t controlId) {
    char* text = controls.ReadText(kMainWindowId, controlId);
    double value = ConvertTextToNumber(text);
    controls.ReleaseText(text);
    return value;
}

static void WriteNumber(ControlTexts& controls, uint32_t controlId, double value) {
    char* text = ConvertNumberToText(value);
    controls.WriteText(kMainWindowId, controlId, text);
    controls.ReleaseText(text);
}

// The products, the sum and the quotient are formed on the x87 with a 64-bit
// significand and rounded to double when stored: the precision the
// calculation is defined with, the same in every build.
static double Square(double v) {
    return static_cast<double>(static_cast<long double>(v) * v);
}

void PpiCalculation(ControlTexts& controls) {
    double width = ReadNumber(controls, kHorizontalPixelsBoxId);
    double widthSquared = Square(width);
    double height = ReadNumber(controls, kVerticalPixelsBoxId);
    double heightSquared = Square(height);
    double sumOfSquares = static_cast<double>(static_cast<long double>(widthSquared) + heightSquared);
    double diagonal = RaiseToPower(sumOfSquares, 0.5);
    WriteNumber(controls, kDiagonalPixelsBoxId, RoundToPlaces(diagonal, 2));
    // The density comes from the diagonal as its text reads back, not from
    // the number before it was written.
    double shownDiagonal = ReadNumber(controls, kDiagonalPixelsBoxId);
    double inches = ReadNumber(controls, kDiagonalInchesBoxId);
    double density = static_cast<double>(static_cast<long double>(shownDiagonal) / inches);
    WriteNumber(controls, kDensityBoxId, density);
}
