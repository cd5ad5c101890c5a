#include "ui/description/button_properties.h"

#include "ui/description/byte_reader.h"
#include "ui/description/byte_writer.h"

// Versions 0 and 1 hold the same fields.
bool ReadButtonProperties(const uint8_t* data, size_t length, ButtonProperties& properties) {
    ButtonProperties read;
    if (length == 0) {
        properties = read;
        return true;
    }
    ByteReader reader(data, length);
    if (!reader.ReadI32(read.version) || read.version < 0 ||
        read.version > static_cast<int32_t>(kButtonPropertiesVersion)) {
        return false;
    }
    bool ok = reader.ReadI32(read.buttonType) && reader.ReadI32(read.hAlign) && reader.ReadI32(read.vAlign) &&
              reader.ReadSignedSizedBytes(read.picture) && reader.ReadSignedSizedBytes(read.font) &&
              reader.ReadSignedSizedText(read.caption);
    if (!ok) {
        return false;
    }
    properties = std::move(read);
    return true;
}

std::vector<uint8_t> WriteButtonProperties(const ButtonProperties& p) {
    ByteWriter writer;
    for (int32_t value : {p.version, p.buttonType, p.hAlign, p.vAlign}) {
        writer.WriteI32(value);
    }
    writer.WriteSizedBytes(p.picture);
    writer.WriteSizedBytes(p.font);
    writer.WriteSizedText(p.caption);
    return writer.Take();
}
