// Any byte string either loads or is refused cleanly, as a whole description
// and as each kind's own record; whatever loads is written and read back to
// the same model.
#include <cstdlib>

#include "ui/description/button_properties.h"
#include "ui/description/edit_box_properties.h"
#include "ui/description/form_description.h"
#include "ui/description/label_properties.h"
#include "ui/description/picture_box_properties.h"
#include "ui/description/window_properties.h"

template <typename Properties>
static void CheckKindRecord(bool (*read)(const uint8_t*, size_t, Properties&),
                            std::vector<uint8_t> (*write)(const Properties&), const uint8_t* data, size_t size) {
    Properties properties;
    if (!read(data, size, properties)) {
        return;
    }
    std::vector<uint8_t> bytes = write(properties);
    Properties again;
    if (!read(bytes.data(), bytes.size(), again) || !(again == properties) || write(again) != bytes) {
        std::abort();
    }
}

static void CheckAllKindRecords(const uint8_t* data, size_t size) {
    CheckKindRecord(ReadWindowProperties, WriteWindowProperties, data, size);
    CheckKindRecord(ReadEditBoxProperties, WriteEditBoxProperties, data, size);
    CheckKindRecord(ReadButtonProperties, WriteButtonProperties, data, size);
    CheckKindRecord(ReadLabelProperties, WriteLabelProperties, data, size);
    CheckKindRecord(ReadPictureBoxProperties, WritePictureBoxProperties, data, size);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckAllKindRecords(data, size);
    std::optional<FormDescription> description = ReadFormDescription(data, size);
    if (!description) {
        return 0;
    }
    std::vector<uint8_t> bytes = WriteFormDescription(*description);
    std::optional<FormDescription> again = ReadFormDescription(bytes.data(), bytes.size());
    if (!again || !(*again == *description) || WriteFormDescription(*again) != bytes) {
        std::abort();
    }
    // The records of a loaded description go to the kinds when the window is
    // built; they must be as safe to read.
    for (const WindowDescription& window : description->windows) {
        for (const ElementDescription& element : window.elements) {
            const std::vector<uint8_t>& record = element.record.kindRecord;
            CheckAllKindRecords(record.data(), record.size());
        }
    }
    return 0;
}
