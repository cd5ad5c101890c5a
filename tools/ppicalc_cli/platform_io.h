#pragma once
// What the probe needs from the platform: byte-exact standard streams and
// its arguments in GBK.
#include <string>
#include <vector>

// Makes stdin and stdout pass bytes unchanged (no CRLF translation).
void PrepareStandardStreams();

// The arguments after the program name, converted from the encoding they
// arrive in to GBK. False, with a reason, when one cannot be converted.
bool GetGbkArguments(int argc, char** argv, std::vector<std::string>& arguments, std::string& error);
