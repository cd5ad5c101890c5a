#include "tools/ppicalc_cli/batch_protocol.h"

#include <vector>

#include "calc/fold_full_width.h"
#include "calc/number_to_text.h"
#include "calc/raise_to_power.h"
#include "calc/round_to_places.h"
#include "calc/text_memory.h"
#include "calc/text_to_number.h"
#include "tools/ppicalc_cli/decimal_integer.h"
#include "tools/ppicalc_cli/hex_text.h"
#include "tools/ppicalc_cli/ppi_texts.h"

static std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        size_t tab = line.find('\t');
        fields.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) {
            return fields;
        }
        line.remove_prefix(tab + 1);
    }
}

// A field of a request holding a text: hex of bytes, none of them 00 (a text
// ends at its first 00). Sets error and returns false otherwise.
static bool DecodeTextField(std::string_view hex, int index, std::string& text, std::string& error) {
    switch (DecodeHex(hex, text)) {
    case HexError::kBadDigit:
        error = "error: field " + std::to_string(index) + " is not hex";
        return false;
    case HexError::kOddLength:
        error = "error: field " + std::to_string(index) + " has an odd number of hex digits";
        return false;
    case HexError::kNone:
        break;
    }
    if (text.find('\0') != std::string::npos) {
        error = "error: field " + std::to_string(index) + " holds a 00 byte";
        return false;
    }
    return true;
}

static bool DecodeNumberField(std::string_view hex, int index, double& value, std::string& error) {
    if (!DecodeDoubleBits(hex, value)) {
        error = "error: field " + std::to_string(index) + " is not 16 hex digits";
        return false;
    }
    return true;
}

// The verb as it may be echoed: printable ASCII only, and not too much of it.
static std::string Printable(std::string_view verb) {
    std::string shown;
    for (char c : verb.substr(0, 32)) {
        shown += c >= 0x20 && c < 0x7F ? c : '?';
    }
    return shown;
}

static std::string TakeText(char* text) {
    std::string copy = text;
    ReleaseText(text);
    return copy;
}

static std::string AnswerFields(const std::vector<std::string_view>& fields) {
    std::string_view verb = fields[0];
    struct Verb {
        std::string_view name;
        size_t fieldCount;
    };
    static const Verb kVerbs[] = {{"fold", 1}, {"parse", 1}, {"format", 1}, {"round", 2}, {"pow", 2}, {"ppi", 3}};
    const Verb* known = nullptr;
    for (const Verb& v : kVerbs) {
        if (v.name == verb) {
            known = &v;
        }
    }
    if (known == nullptr) {
        return "error: unknown verb \"" + Printable(verb) + "\"";
    }
    if (fields.size() - 1 != known->fieldCount) {
        return "error: " + std::string(verb) + " takes " + std::to_string(known->fieldCount) + " field(s), got " +
               std::to_string(fields.size() - 1);
    }
    std::string error;
    std::string texts[3];
    double numbers[2];
    if (verb == "fold" || verb == "parse" || verb == "ppi") {
        for (size_t i = 1; i < fields.size(); ++i) {
            if (!DecodeTextField(fields[i], static_cast<int>(i), texts[i - 1], error)) {
                return error;
            }
        }
    } else {
        if (!DecodeNumberField(fields[1], 1, numbers[0], error)) {
            return error;
        }
        if (verb == "pow" && !DecodeNumberField(fields[2], 2, numbers[1], error)) {
            return error;
        }
    }
    if (verb == "fold") {
        return EncodeHex(TakeText(FoldFullWidth(texts[0].c_str())));
    }
    if (verb == "parse") {
        return EncodeDoubleBits(ConvertTextToNumber(texts[0].c_str()));
    }
    if (verb == "format") {
        return TakeText(ConvertNumberToText(numbers[0]));
    }
    if (verb == "round") {
        int32_t places;
        if (!ParseInt32(fields[2], places)) {
            return "error: field 2 is not a 32-bit decimal integer";
        }
        return EncodeDoubleBits(RoundToPlaces(numbers[0], places));
    }
    if (verb == "pow") {
        return EncodeDoubleBits(RaiseToPower(numbers[0], numbers[1]));
    }
    PpiTexts result = RunPpiCalculation(texts[0], texts[1], texts[2]);
    return result.diagonal + "\t" + result.density;
}

std::string AnswerBatchLine(std::string_view line) {
    return AnswerFields(SplitFields(line));
}

static void Answer(std::string& line, std::FILE* out) {
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    std::string answer = AnswerBatchLine(line);
    answer += '\n';
    std::fwrite(answer.data(), 1, answer.size(), out);
    std::fflush(out);
    line.clear();
}

void RunBatch(std::FILE* in, std::FILE* out) {
    // Character by character, so a request is answered as soon as its line
    // end arrives, even while the sender waits for the answer.
    std::string line;
    for (int c = std::getc(in); c != EOF; c = std::getc(in)) {
        if (c == '\n') {
            Answer(line, out);
        } else {
            line += static_cast<char>(c);
        }
    }
    if (!line.empty()) {
        Answer(line, out);  // a last line without a line end
    }
}
