#include "ui/description/label_properties.h"

#include "ui/description/byte_reader.h"
#include "ui/description/byte_writer.h"

// The stored order differs from the order of the label's property numbers:
// the gradient border width comes before the border, vAlign before wordWrap,
// and the font, picture and text come last.
static bool ReadFields(ByteReader& reader, LabelProperties& p) {
    bool ok = reader.ReadU32(p.effect) && reader.ReadI32(p.gradientBorderWidth) && reader.ReadU32(p.border) &&
              reader.ReadU32(p.gradientBorderColor1) && reader.ReadU32(p.gradientBorderColor2) &&
              reader.ReadU32(p.gradientBorderColor3) && reader.ReadU32(p.textColor) &&
              reader.ReadU32(p.backColor) && reader.ReadU32(p.pictureMode) && reader.ReadU32(p.gradientBackMode) &&
              reader.ReadU32(p.gradientBackColor1) && reader.ReadU32(p.gradientBackColor2) &&
              reader.ReadU32(p.gradientBackColor3) && reader.ReadU32(p.hAlign) && reader.ReadU32(p.vAlign) &&
              reader.ReadU32(p.wordWrap) && reader.ReadSignedSizedBytes(p.font) &&
              reader.ReadSignedSizedBytes(p.picture) && reader.ReadSignedSizedText(p.text);
    // Versions 0 and 1 end after the text.
    if (ok && p.version >= 2) {
        ok = reader.ReadSignedSizedText(p.dataSource) && reader.ReadSignedSizedText(p.dataColumn);
    }
    return ok;
}

bool ReadLabelProperties(const uint8_t* data, size_t length, LabelProperties& properties) {
    LabelProperties read;
    if (length == 0) {
        properties = read;
        return true;
    }
    ByteReader reader(data, length);
    if (!reader.ReadU32(read.version) || read.version > kLabelPropertiesVersion || !ReadFields(reader, read)) {
        return false;
    }
    properties = std::move(read);
    return true;
}

std::vector<uint8_t> WriteLabelProperties(const LabelProperties& p) {
    ByteWriter writer;
    writer.WriteU32(p.version);
    writer.WriteU32(p.effect);
    writer.WriteI32(p.gradientBorderWidth);
    for (uint32_t value : {p.border, p.gradientBorderColor1, p.gradientBorderColor2, p.gradientBorderColor3,
                           p.textColor, p.backColor, p.pictureMode, p.gradientBackMode, p.gradientBackColor1,
                           p.gradientBackColor2, p.gradientBackColor3, p.hAlign, p.vAlign, p.wordWrap}) {
        writer.WriteU32(value);
    }
    writer.WriteSizedBytes(p.font);
    writer.WriteSizedBytes(p.picture);
    writer.WriteSizedText(p.text);
    if (p.version >= 2) {
        writer.WriteSizedText(p.dataSource);
        writer.WriteSizedText(p.dataColumn);
    }
    return writer.Take();
}
