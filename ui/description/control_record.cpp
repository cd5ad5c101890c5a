#include "ui/description/control_record.h"

#include "ui/description/byte_reader.h"
#include "ui/description/byte_writer.h"

// A count of u32 entries (or of 8-byte bindings) is compared with the bytes
// left before anything is allocated for it.
static bool ReadIdList(ByteReader& reader, std::vector<uint32_t>& ids) {
    uint32_t count = 0;
    if (!reader.ReadU32(count) || count > reader.Remaining() / 4) {
        return false;
    }
    ids.resize(count);
    for (uint32_t& id : ids) {
        reader.ReadU32(id);
    }
    return true;
}

static bool ReadEventBindings(ByteReader& reader, std::vector<EventBinding>& events) {
    uint32_t count = 0;
    if (!reader.ReadU32(count) || count > reader.Remaining() / 8) {
        return false;
    }
    events.resize(count);
    for (EventBinding& binding : events) {
        reader.ReadI32(binding.eventNumber);
        reader.ReadI32(binding.handlerOffset);
    }
    return true;
}

static bool ReadHead(ByteReader& reader, ControlRecord& record) {
    bool ok = reader.ReadU32(record.kind) && reader.ReadU32(record.proxyId);
    for (uint32_t& word : record.reservedHead) {
        ok = ok && reader.ReadU32(word);
    }
    ok = ok && reader.ReadZeroTerminatedText(record.name) && reader.ReadZeroTerminatedText(record.remark);
    ok = ok && reader.ReadU32(record.liveObject) && reader.ReadI32(record.left) && reader.ReadI32(record.top) &&
         reader.ReadI32(record.width) && reader.ReadI32(record.height) && reader.ReadU32(record.cursorHandle) &&
         reader.ReadU32(record.parentId) && ReadIdList(reader, record.childIds);
    ok = ok && reader.ReadSizedBytes(record.mousePointer) && reader.ReadZeroTerminatedText(record.tag);
    ok = ok && reader.ReadU32(record.reservedBeforeFlags) && reader.ReadU32(record.stateFlags) &&
         reader.ReadI32(record.tabOrder) && ReadEventBindings(reader, record.events);
    for (uint32_t& word : record.reservedTail) {
        ok = ok && reader.ReadU32(word);
    }
    return ok;
}

bool ReadControlRecord(const uint8_t* data, size_t length, ControlRecord& record) {
    ByteReader reader(data, length);
    ControlRecord read;
    if (!ReadHead(reader, read)) {
        return false;
    }
    // The kind's own record is everything after the head.
    reader.ReadBytes(reader.Remaining(), read.kindRecord);
    record = std::move(read);
    return true;
}

std::vector<uint8_t> WriteControlRecord(const ControlRecord& record) {
    ByteWriter writer;
    writer.WriteU32(record.kind);
    writer.WriteU32(record.proxyId);
    for (uint32_t word : record.reservedHead) {
        writer.WriteU32(word);
    }
    writer.WriteZeroTerminatedText(record.name);
    writer.WriteZeroTerminatedText(record.remark);
    writer.WriteU32(record.liveObject);
    writer.WriteI32(record.left);
    writer.WriteI32(record.top);
    writer.WriteI32(record.width);
    writer.WriteI32(record.height);
    writer.WriteU32(record.cursorHandle);
    writer.WriteU32(record.parentId);
    writer.WriteU32(static_cast<uint32_t>(record.childIds.size()));
    for (uint32_t id : record.childIds) {
        writer.WriteU32(id);
    }
    writer.WriteSizedBytes(record.mousePointer);
    writer.WriteZeroTerminatedText(record.tag);
    writer.WriteU32(record.reservedBeforeFlags);
    writer.WriteU32(record.stateFlags);
    writer.WriteI32(record.tabOrder);
    writer.WriteU32(static_cast<uint32_t>(record.events.size()));
    for (const EventBinding& binding : record.events) {
        writer.WriteI32(binding.eventNumber);
        writer.WriteI32(binding.handlerOffset);
    }
    for (uint32_t word : record.reservedTail) {
        writer.WriteU32(word);
    }
    writer.WriteBytes(record.kindRecord);
    return writer.Take();
}

uint32_t MousePointerNumber(const ControlRecord& record) {
    const std::vector<uint8_t>& pointer = record.mousePointer;
    if (pointer.empty()) {
        return 0;
    }
    if (pointer.size() < 4) {
        return pointer[0];
    }
    uint32_t number = 0;
    ByteReader(pointer.data(), pointer.size()).ReadU32(number);
    return number;
}
