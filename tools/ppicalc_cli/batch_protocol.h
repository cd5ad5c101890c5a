#pragma once
// The line protocol of `ppicalc-cli --batch`: one request per line, fields
// separated by one TAB, texts as lowercase hex of their GBK bytes, doubles as
// the 16 hex digits of their bit pattern.
//
//   fold  <hex>                  -> hex of FoldFullWidth
//   parse <hex>                  -> 16 hex digits of ConvertTextToNumber
//   format <16hex>               -> the text of ConvertNumberToText
//   round <16hex> <int>          -> 16 hex digits of RoundToPlaces
//   pow <16hex> <16hex>          -> 16 hex digits of RaiseToPower
//   ppi <hex> <hex> <hex>        -> text of 编辑框4 TAB text of 编辑框5
//
// Any malformed request is answered with a line starting "error: ".
#include <cstdio>
#include <string>
#include <string_view>

// The answer to one request line (given without its line end), without a newline.
std::string AnswerBatchLine(std::string_view line);

// Answers every line of in on out, one line each, flushed as it is written.
// LF and CRLF line ends are accepted, as is a last line without one.
void RunBatch(std::FILE* in, std::FILE* out);
