#include "ui/description/edit_box_properties.h"

#include "ui/description/byte_reader.h"
#include "ui/description/byte_writer.h"

static bool ReadFields(ByteReader& reader, EditBoxProperties& p) {
    bool ok = reader.ReadI32(p.border) && reader.ReadU32(p.textColor) && reader.ReadU32(p.backColor) &&
              reader.ReadI32(p.hideSelection) && reader.ReadI32(p.maxLength) && reader.ReadI32(p.multiLine) &&
              reader.ReadI32(p.scrollBars) && reader.ReadI32(p.hAlign) && reader.ReadI32(p.inputMode) &&
              reader.ReadU16(p.passwordChar) && reader.ReadI32(p.letterCase) && reader.ReadI32(p.spinMode) &&
              reader.ReadI32(p.spinMin) && reader.ReadI32(p.spinMax) && reader.ReadI32(p.selStart) &&
              reader.ReadI32(p.selLength) && reader.ReadSignedSizedBytes(p.font) &&
              reader.ReadSignedSizedText(p.text);
    if (ok && p.version >= 2) {
        ok = reader.ReadSignedSizedText(p.dataSource) && reader.ReadSignedSizedText(p.dataColumn);
    }
    return ok;
}

bool ReadEditBoxProperties(const uint8_t* data, size_t length, EditBoxProperties& properties) {
    EditBoxProperties read;
    if (length == 0) {
        properties = read;
        return true;
    }
    ByteReader reader(data, length);
    // A negative version is no version this reader knows either.
    if (!reader.ReadI32(read.version) || read.version < 0 ||
        read.version > static_cast<int32_t>(kEditBoxPropertiesVersion) || !ReadFields(reader, read)) {
        return false;
    }
    properties = std::move(read);
    return true;
}

std::vector<uint8_t> WriteEditBoxProperties(const EditBoxProperties& p) {
    ByteWriter writer;
    for (int32_t value : {p.version, p.border}) {
        writer.WriteI32(value);
    }
    writer.WriteU32(p.textColor);
    writer.WriteU32(p.backColor);
    for (int32_t value : {p.hideSelection, p.maxLength, p.multiLine, p.scrollBars, p.hAlign, p.inputMode}) {
        writer.WriteI32(value);
    }
    writer.WriteU16(p.passwordChar);
    for (int32_t value : {p.letterCase, p.spinMode, p.spinMin, p.spinMax, p.selStart, p.selLength}) {
        writer.WriteI32(value);
    }
    writer.WriteSizedBytes(p.font);
    writer.WriteSizedText(p.text);
    if (p.version >= 2) {
        writer.WriteSizedText(p.dataSource);
        writer.WriteSizedText(p.dataColumn);
    }
    return writer.Take();
}
