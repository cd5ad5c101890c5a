#include "app/program_header.h"

#include "app/handler_table.h"
#include "app/kind_libraries.h"

// The program's constant data: one byte, the empty text.
static const char kConstantData[1] = {'\0'};

// Finds the description among the module's resources. A resource stays mapped
// as long as the module, so the bytes need no copy.
static void LocateFormDescription(HMODULE module, const uint8_t*& bytes, uint32_t& length) {
    bytes = nullptr;
    length = 0;
    HRSRC info = FindResourceA(module, "FORMDESCRIPTION", MAKEINTRESOURCEA(10)); // RT_RCDATA
    if (!info) {
        return;
    }
    HGLOBAL loaded = LoadResource(module, info);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) {
        return;
    }
    bytes = static_cast<const uint8_t*>(data);
    length = SizeofResource(module, info);
}

ProgramHeader ThisProgramHeader(HMODULE module) {
    ProgramHeader header;
    header.programKind = 3;
    header.reserved = 0;
    header.formatNumber = 0x00010035;
    header.handlers = kProgramHandlers;
    header.handlerCount = kProgramHandlerCount;
    header.constantData = kConstantData;
    header.constantDataLength = sizeof(kConstantData);
    LocateFormDescription(module, header.description, header.descriptionLength);
    header.libraryCount = 1;
    header.libraries = &kBuiltInKindLibrary; // a list of one
    return header;
}
