// Writes the form description of the main window, with the given picture as
// the formula, to a file: form_writer <formula.png> <output.bin>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "ui/declaration/main_window_declaration.h"
#include "ui/description/form_description.h"

static bool ReadWholeFile(const char* path, std::vector<uint8_t>& bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

static bool WriteWholeFile(const char* path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: form_writer <formula.png> <output.bin>\n");
        return 2;
    }
    std::vector<uint8_t> png;
    if (!ReadWholeFile(argv[1], png)) {
        std::fprintf(stderr, "form_writer: cannot read %s\n", argv[1]);
        return 1;
    }
    // The picture box is declared with a PNG; anything else is a wrong path.
    static const uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (png.size() < 8 || !std::equal(kPngSignature, kPngSignature + 8, png.begin())) {
        std::fprintf(stderr, "form_writer: %s is not a PNG file\n", argv[1]);
        return 1;
    }
    std::vector<uint8_t> bytes = WriteFormDescription(DeclareMainWindow(png));
    if (!WriteWholeFile(argv[2], bytes)) {
        std::fprintf(stderr, "form_writer: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
