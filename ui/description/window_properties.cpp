#include "ui/description/window_properties.h"

#include "ui/description/byte_reader.h"
#include "ui/description/byte_writer.h"

// The fields every version holds, between `version` and the first field that
// version 2 added.
static bool ReadBaseFields(ByteReader& reader, WindowProperties& p) {
    return reader.ReadU32(p.border) && reader.ReadU32(p.pictureMode) && reader.ReadU32(p.backColor) &&
           reader.ReadU32(p.maxButton) && reader.ReadU32(p.minButton) && reader.ReadU32(p.controlBox) &&
           reader.ReadU32(p.startPosition) && reader.ReadU32(p.movable) && reader.ReadU32(p.musicMode) &&
           reader.ReadU32(p.enterMovesFocus) && reader.ReadU32(p.escCloses) && reader.ReadU32(p.f1Help) &&
           reader.ReadU32(p.helpContext);
}

// Fields that later versions added; an older record leaves them at their defaults.
static bool ReadVersionedFields(ByteReader& reader, WindowProperties& p) {
    bool ok = true;
    if (p.version >= 2) {
        ok = ok && reader.ReadU32(p.showInTaskbar);
    }
    if (p.version >= 3) {
        ok = ok && reader.ReadU32(p.dragAnywhere) && reader.ReadU32(p.shape);
    }
    if (p.version >= 4) {
        ok = ok && reader.ReadU32(p.topmost);
    }
    if (p.version >= 5) {
        ok = ok && reader.ReadU32(p.keepTitleActive);
    }
    if (p.version >= 6) {
        ok = ok && reader.ReadSizedText(p.className);
    }
    return ok;
}

bool ReadWindowProperties(const uint8_t* data, size_t length, WindowProperties& properties) {
    WindowProperties read;
    if (length == 0) {
        properties = read;
        return true;
    }
    ByteReader reader(data, length);
    if (!reader.ReadU32(read.version) || read.version > kWindowPropertiesVersion) {
        return false;
    }
    bool ok = ReadBaseFields(reader, read) && ReadVersionedFields(reader, read) &&
              reader.ReadSizedBytes(read.picture) && reader.ReadSizedBytes(read.icon) &&
              reader.ReadSizedBytes(read.music) && reader.ReadSizedText(read.caption) &&
              reader.ReadSizedText(read.helpFile);
    if (!ok) {
        return false;
    }
    properties = std::move(read);
    return true;
}

std::vector<uint8_t> WriteWindowProperties(const WindowProperties& p) {
    ByteWriter writer;
    for (uint32_t value : {p.version, p.border, p.pictureMode, p.backColor, p.maxButton, p.minButton,
                           p.controlBox, p.startPosition, p.movable, p.musicMode, p.enterMovesFocus, p.escCloses,
                           p.f1Help, p.helpContext}) {
        writer.WriteU32(value);
    }
    if (p.version >= 2) {
        writer.WriteU32(p.showInTaskbar);
    }
    if (p.version >= 3) {
        writer.WriteU32(p.dragAnywhere);
        writer.WriteU32(p.shape);
    }
    if (p.version >= 4) {
        writer.WriteU32(p.topmost);
    }
    if (p.version >= 5) {
        writer.WriteU32(p.keepTitleActive);
    }
    if (p.version >= 6) {
        writer.WriteSizedText(p.className);
    }
    writer.WriteSizedBytes(p.picture);
    writer.WriteSizedBytes(p.icon);
    writer.WriteSizedBytes(p.music);
    writer.WriteSizedText(p.caption);
    writer.WriteSizedText(p.helpFile);
    return writer.Take();
}
