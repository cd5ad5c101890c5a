#include "app/module_path.h"

#include <cstddef>

void SplitModulePath(const std::string& path, LeadBytePredicate isLeadByte, std::string& directory,
                     std::string& fileName) {
    size_t lastBackslash = std::string::npos;
    size_t i = 0;
    while (i < path.size()) {
        unsigned char byte = static_cast<unsigned char>(path[i]);
        if (byte == '\\') {
            lastBackslash = i;
        }
        // A lead byte takes the next byte with it, whatever that byte is; a lead
        // byte at the very end stands alone.
        i += (isLeadByte(byte) && i + 1 < path.size()) ? 2 : 1;
    }
    if (lastBackslash == std::string::npos) {
        directory.clear();
        fileName = path;
        return;
    }
    directory.assign(path.begin(), path.begin() + static_cast<std::ptrdiff_t>(lastBackslash));
    fileName.assign(path.begin() + static_cast<std::ptrdiff_t>(lastBackslash) + 1, path.end());
}
