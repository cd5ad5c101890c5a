#pragma once
// Splitting the executable's full path into its directory and file name.
#include <string>

// Whether a byte starts a two-byte character in the ANSI code page.
using LeadBytePredicate = bool (*)(unsigned char byte);

// Splits `path` at its last backslash: the directory without the backslash and
// the file name after it. Without a backslash the directory is empty and the
// whole path is the file name. A 0x5C byte that is the second byte of a
// two-byte character is not a backslash, so the path is walked character by
// character with `isLeadByte`.
void SplitModulePath(const std::string& path, LeadBytePredicate isLeadByte, std::string& directory,
                     std::string& fileName);
