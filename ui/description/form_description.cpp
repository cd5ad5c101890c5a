#include "ui/description/form_description.h"

#include <algorithm>

#include "ui/description/byte_reader.h"
#include "ui/description/byte_writer.h"
#include "ui/description/identifiers.h"

// Where one record lies in the records area of an element buffer.
struct RecordSpan {
    size_t start = 0;
    size_t end = 0;
};

// Checks that the record at `offset` (counted from the start of the records
// area) lies inside the area: its 4-byte length and the data it announces.
static bool LocateRecord(const uint8_t* records, size_t recordsLength, uint32_t offset, RecordSpan& span) {
    if (offset > recordsLength || recordsLength - offset < 4) {
        return false;
    }
    uint32_t recordLength = 0;
    ByteReader(records + offset, 4).ReadU32(recordLength);
    if (recordLength > recordsLength - offset - 4) {
        return false;
    }
    span.start = offset;
    span.end = offset + 4 + size_t{recordLength};
    return true;
}

// Two elements sharing bytes would share the run-time slots kept in them.
static bool SpansOverlap(std::vector<RecordSpan> spans) {
    std::sort(spans.begin(), spans.end(), [](const RecordSpan& a, const RecordSpan& b) { return a.start < b.start; });
    for (size_t i = 1; i < spans.size(); i++) {
        if (spans[i].start < spans[i - 1].end) {
            return true;
        }
    }
    return false;
}

// Element buffer: N ids, N offsets, then the records, each a u32 length and
// its data. The offsets are honoured, so records may lie in any order.
static bool ReadElements(const std::vector<uint8_t>& buffer, uint32_t elementCount,
                         std::vector<ElementDescription>& elements) {
    // Element 0 is the window's own record; a window without one cannot be built.
    if (elementCount == 0 || elementCount > buffer.size() / 8) {
        return false;
    }
    ByteReader reader(buffer.data(), buffer.size());
    elements.resize(elementCount);
    for (ElementDescription& element : elements) {
        reader.ReadU32(element.id);
    }
    std::vector<uint32_t> offsets(elementCount);
    for (uint32_t& offset : offsets) {
        reader.ReadU32(offset);
    }
    if (elements[0].id != kWindowElementId) {
        return false;
    }
    const uint8_t* records = buffer.data() + reader.Position();
    size_t recordsLength = reader.Remaining();
    std::vector<RecordSpan> spans(elementCount);
    for (size_t i = 0; i < elementCount; i++) {
        // Menu items have a record layout of their own, which this reader does not know.
        if (IsMenuItemId(elements[i].id) || !LocateRecord(records, recordsLength, offsets[i], spans[i])) {
            return false;
        }
        const uint8_t* data = records + spans[i].start + 4;
        if (!ReadControlRecord(data, spans[i].end - spans[i].start - 4, elements[i].record)) {
            return false;
        }
    }
    return !SpansOverlap(spans);
}

static bool ReadWindow(ByteReader& reader, WindowDescription& window) {
    uint32_t elementCount = 0;
    std::vector<uint8_t> buffer;
    bool ok = reader.ReadU32(window.wordA) && reader.ReadU32(window.wordB) && reader.ReadSizedText(window.text1) &&
              reader.ReadSizedText(window.text2) && reader.ReadU32(elementCount) && reader.ReadSizedBytes(buffer);
    return ok && ReadElements(buffer, elementCount, window.elements);
}

std::optional<FormDescription> ReadFormDescription(const uint8_t* bytes, size_t length) {
    ByteReader reader(bytes, length);
    uint32_t tableLength = 0;
    // 8 bytes per window: its id and its slot.
    if (!reader.ReadU32(tableLength) || tableLength % 8 != 0 || tableLength > reader.Remaining()) {
        return std::nullopt;
    }
    FormDescription description;
    description.windows.resize(tableLength / 8);
    for (WindowDescription& window : description.windows) {
        reader.ReadU32(window.windowId);
    }
    for (WindowDescription& window : description.windows) {
        reader.ReadU32(window.slot);
    }
    for (WindowDescription& window : description.windows) {
        if (!ReadWindow(reader, window)) {
            return std::nullopt;
        }
    }
    return description;
}

static std::vector<uint8_t> WriteElements(const std::vector<ElementDescription>& elements) {
    ByteWriter table;
    ByteWriter records;
    std::vector<uint32_t> offsets;
    for (const ElementDescription& element : elements) {
        table.WriteU32(element.id);
        offsets.push_back(static_cast<uint32_t>(records.Size()));
        records.WriteSizedBytes(WriteControlRecord(element.record));
    }
    for (uint32_t offset : offsets) {
        table.WriteU32(offset);
    }
    table.WriteBytes(records.Bytes());
    return table.Take();
}

std::vector<uint8_t> WriteFormDescription(const FormDescription& description) {
    ByteWriter writer;
    writer.WriteU32(static_cast<uint32_t>(description.windows.size() * 8));
    for (const WindowDescription& window : description.windows) {
        writer.WriteU32(window.windowId);
    }
    for (const WindowDescription& window : description.windows) {
        writer.WriteU32(window.slot);
    }
    for (const WindowDescription& window : description.windows) {
        writer.WriteU32(window.wordA);
        writer.WriteU32(window.wordB);
        writer.WriteSizedText(window.text1);
        writer.WriteSizedText(window.text2);
        writer.WriteU32(static_cast<uint32_t>(window.elements.size()));
        writer.WriteSizedBytes(WriteElements(window.elements));
    }
    return writer.Take();
}

const WindowDescription* FindWindowDescription(const FormDescription& description, uint32_t windowId) {
    for (const WindowDescription& window : description.windows) {
        if (window.windowId == windowId) {
            return &window;
        }
    }
    return nullptr;
}

int FindElementIndex(const WindowDescription& window, uint32_t elementId) {
    if (elementId == 0) {
        return window.elements.empty() ? -1 : 0;
    }
    for (size_t i = 0; i < window.elements.size(); i++) {
        if (window.elements[i].id == elementId) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
