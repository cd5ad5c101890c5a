#pragma once
// The control texts of the live windows, for the calculation.
class ControlTexts;

// Reads and writes the text property (8) of controls through ReadProperty
// and WriteProperty; texts are released with ReleaseText.
ControlTexts& LiveControlTexts();
