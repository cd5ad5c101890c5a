#pragma once
// One run of the calculation on texts in memory.
#include <string>

struct PpiTexts {
    std::string diagonal;  // what 编辑框4 holds afterwards
    std::string density;   // what 编辑框5 holds afterwards
};

// The three input texts (GBK) go into 编辑框1 to 编辑框3 and PpiCalculation runs.
PpiTexts RunPpiCalculation(const std::string& horizontal, const std::string& vertical, const std::string& inches);
