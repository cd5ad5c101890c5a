#include "ui/description/picture_box_properties.h"

#include "ui/description/byte_reader.h"
#include "ui/description/byte_writer.h"

static bool ReadFields(ByteReader& reader, PictureBoxProperties& p) {
    bool ok = reader.ReadU32(p.border) && reader.ReadU32(p.backColor) && reader.ReadU32(p.displayMode) &&
              reader.ReadU32(p.playAnimation) && reader.ReadSignedSizedBytes(p.picture);
    // Versions 0 and 1 end after the picture.
    if (ok && p.version >= 2) {
        ok = reader.ReadSignedSizedText(p.dataSource) && reader.ReadSignedSizedText(p.dataColumn);
    }
    return ok;
}

bool ReadPictureBoxProperties(const uint8_t* data, size_t length, PictureBoxProperties& properties) {
    PictureBoxProperties read;
    if (length == 0) {
        properties = read;
        return true;
    }
    ByteReader reader(data, length);
    if (!reader.ReadU32(read.version) || read.version > kPictureBoxPropertiesVersion || !ReadFields(reader, read)) {
        return false;
    }
    properties = std::move(read);
    return true;
}

std::vector<uint8_t> WritePictureBoxProperties(const PictureBoxProperties& p) {
    ByteWriter writer;
    for (uint32_t value : {p.version, p.border, p.backColor, p.displayMode, p.playAnimation}) {
        writer.WriteU32(value);
    }
    writer.WriteSizedBytes(p.picture);
    if (p.version >= 2) {
        writer.WriteSizedText(p.dataSource);
        writer.WriteSizedText(p.dataColumn);
    }
    return writer.Take();
}
