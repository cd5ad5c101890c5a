// The kinds' own property records: each reader against its writer, version by
// version, and the rules every reader shares (empty record, unknown version,
// cut records, trailing bytes, signed lengths).
#include <gtest/gtest.h>

#include "ui/description/button_properties.h"
#include "ui/description/byte_writer.h"
#include "ui/description/edit_box_properties.h"
#include "ui/description/label_properties.h"
#include "ui/description/picture_box_properties.h"
#include "ui/description/window_properties.h"

#include "tests/ui/hex_text.h"

template <typename Properties>
struct Codec {
    bool (*read)(const uint8_t*, size_t, Properties&);
    std::vector<uint8_t> (*write)(const Properties&);
};

constexpr Codec<WindowProperties> kWindowCodec{ReadWindowProperties, WriteWindowProperties};
constexpr Codec<EditBoxProperties> kEditBoxCodec{ReadEditBoxProperties, WriteEditBoxProperties};
constexpr Codec<ButtonProperties> kButtonCodec{ReadButtonProperties, WriteButtonProperties};
constexpr Codec<LabelProperties> kLabelCodec{ReadLabelProperties, WriteLabelProperties};
constexpr Codec<PictureBoxProperties> kPictureBoxCodec{ReadPictureBoxProperties, WritePictureBoxProperties};

// Read(Write(p)) == p and Write(Read(bytes)) == bytes; every shorter prefix
// fails (the last field of every record is required); bytes after the last
// field change nothing.
template <typename Properties>
void CheckCodec(const Codec<Properties>& codec, const Properties& properties, const std::string& what) {
    std::vector<uint8_t> bytes = codec.write(properties);
    Properties read;
    ASSERT_TRUE(codec.read(bytes.data(), bytes.size(), read)) << what << ": " << ToHex(bytes);
    EXPECT_EQ(read, properties) << what;
    EXPECT_EQ(ToHex(codec.write(read)), ToHex(bytes)) << what;
    for (size_t length = 1; length < bytes.size(); length++) {
        Properties cut;
        EXPECT_FALSE(codec.read(bytes.data(), length, cut)) << what << ": cut to " << length << " of " << bytes.size();
    }
    std::vector<uint8_t> longer = bytes;
    longer.insert(longer.end(), {5, 0, 0, 0, 'e', 'x', 't', 'r', 'a'});
    Properties readLonger;
    ASSERT_TRUE(codec.read(longer.data(), longer.size(), readLonger)) << what << " with trailing bytes";
    EXPECT_EQ(readLonger, properties) << what << " with trailing bytes";
}

// Every field set away from its default; fields the version does not hold
// keep their defaults, since they are neither written nor read.
static WindowProperties DistinctWindowProperties(uint32_t version) {
    WindowProperties p;
    p.version = version;
    p.border = 5;
    p.pictureMode = 3;
    p.backColor = 0x00123456;
    p.maxButton = 1;
    p.minButton = 0;
    p.controlBox = 0;
    p.startPosition = 3;
    p.movable = 0;
    p.musicMode = 7;
    p.enterMovesFocus = 1;
    p.escCloses = 0;
    p.f1Help = 1;
    p.helpContext = 77;
    if (version >= 2) {
        p.showInTaskbar = 0;
    }
    if (version >= 3) {
        p.dragAnywhere = 1;
        p.shape = 2;
    }
    if (version >= 4) {
        p.topmost = 1;
    }
    if (version >= 5) {
        p.keepTitleActive = 1;
    }
    if (version >= 6) {
        p.className = "OwnClass";
    }
    p.picture = {1, 2, 3};
    p.icon = {4, 5};
    p.music = {6};
    p.caption = "\xC6\xC1\xC4\xBB"; // 屏幕
    p.helpFile = "help.hlp";
    return p;
}

static EditBoxProperties DistinctEditBoxProperties(int32_t version) {
    EditBoxProperties p;
    p.version = version;
    p.border = 4;
    p.textColor = 0x00010203;
    p.backColor = 0xFF000000;
    p.hideSelection = 0;
    p.maxLength = 12;
    p.multiLine = 1;
    p.scrollBars = 3;
    p.hAlign = 2;
    p.inputMode = 2;
    p.passwordChar = 0x1234;
    p.letterCase = 1;
    p.spinMode = 2;
    p.spinMin = -5;
    p.spinMax = 500;
    p.selStart = 3;
    p.selLength = -1;
    p.font = std::vector<uint8_t>(60, 0x11);
    p.text = "PPI";
    if (version >= 2) {
        p.dataSource = "source";
        p.dataColumn = "column";
    }
    return p;
}

static ButtonProperties DistinctButtonProperties(int32_t version) {
    ButtonProperties p;
    p.version = version;
    p.buttonType = 1;
    p.hAlign = 0;
    p.vAlign = 2;
    p.picture = {0x89, 'P', 'N', 'G'};
    p.font = std::vector<uint8_t>(60, 0x22);
    p.caption = "\xBC\xC6\xCB\xE3"; // 计算
    return p;
}

static LabelProperties DistinctLabelProperties(uint32_t version) {
    LabelProperties p;
    p.version = version;
    p.effect = 3;
    p.gradientBorderWidth = -4;
    p.border = 6;
    p.gradientBorderColor1 = 1;
    p.gradientBorderColor2 = 2;
    p.gradientBorderColor3 = 3;
    p.textColor = 4;
    p.backColor = 5;
    p.pictureMode = 2;
    p.gradientBackMode = 8;
    p.gradientBackColor1 = 6;
    p.gradientBackColor2 = 7;
    p.gradientBackColor3 = 8;
    p.hAlign = 2;
    p.vAlign = 0;
    p.wordWrap = 1;
    p.font = std::vector<uint8_t>(60, 0x33);
    p.picture = {9, 8, 7};
    p.text = "\xBA\xE1\xCF\xF2pixel"; // 横向pixel
    if (version >= 2) {
        p.dataSource = "s";
        p.dataColumn = "c";
    }
    return p;
}

static PictureBoxProperties DistinctPictureBoxProperties(uint32_t version) {
    PictureBoxProperties p;
    p.version = version;
    p.border = 5;
    p.backColor = 0x00ECECEC;
    p.displayMode = 2;
    p.playAnimation = 0;
    p.picture = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (version >= 2) {
        p.dataSource = "s";
        p.dataColumn = "c";
    }
    return p;
}

TEST(KindRecords, EachVersionRoundTrips) {
    for (uint32_t version = 0; version <= 6; version++) {
        CheckCodec(kWindowCodec, DistinctWindowProperties(version), "window version " + std::to_string(version));
    }
    for (int32_t version = 0; version <= 2; version++) {
        CheckCodec(kEditBoxCodec, DistinctEditBoxProperties(version), "edit box version " + std::to_string(version));
    }
    for (int32_t version = 0; version <= 1; version++) {
        CheckCodec(kButtonCodec, DistinctButtonProperties(version), "button version " + std::to_string(version));
    }
    for (uint32_t version = 0; version <= 2; version++) {
        CheckCodec(kLabelCodec, DistinctLabelProperties(version), "label version " + std::to_string(version));
        CheckCodec(kPictureBoxCodec, DistinctPictureBoxProperties(version),
                   "picture box version " + std::to_string(version));
    }
    // The defaults themselves, as a kind writes them when saving.
    CheckCodec(kWindowCodec, WindowProperties{}, "default window");
    CheckCodec(kEditBoxCodec, EditBoxProperties{}, "default edit box");
    CheckCodec(kButtonCodec, ButtonProperties{}, "default button");
    CheckCodec(kLabelCodec, LabelProperties{}, "default label");
    CheckCodec(kPictureBoxCodec, PictureBoxProperties{}, "default picture box");
}

template <typename Properties>
void CheckEmptyGivesDefaults(const Codec<Properties>& codec, Properties changed, const char* what) {
    ASSERT_FALSE(changed == Properties{}) << what << ": the starting value must differ from the defaults";
    EXPECT_TRUE(codec.read(nullptr, 0, changed)) << what;
    EXPECT_EQ(changed, Properties{}) << what;
}

TEST(KindRecords, EmptyRecordGivesDefaults) {
    CheckEmptyGivesDefaults(kWindowCodec, DistinctWindowProperties(6), "window");
    CheckEmptyGivesDefaults(kEditBoxCodec, DistinctEditBoxProperties(2), "edit box");
    CheckEmptyGivesDefaults(kButtonCodec, DistinctButtonProperties(1), "button");
    CheckEmptyGivesDefaults(kLabelCodec, DistinctLabelProperties(2), "label");
    CheckEmptyGivesDefaults(kPictureBoxCodec, DistinctPictureBoxProperties(2), "picture box");
}

// A record of a version the reader does not know fails, even when it is
// otherwise complete.
TEST(KindRecords, UnknownVersionFails) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        bool (*read)(const std::vector<uint8_t>&);
    };
    auto readWindow = [](const std::vector<uint8_t>& b) {
        WindowProperties p;
        return ReadWindowProperties(b.data(), b.size(), p);
    };
    auto readEdit = [](const std::vector<uint8_t>& b) {
        EditBoxProperties p;
        return ReadEditBoxProperties(b.data(), b.size(), p);
    };
    auto readButton = [](const std::vector<uint8_t>& b) {
        ButtonProperties p;
        return ReadButtonProperties(b.data(), b.size(), p);
    };
    auto readLabel = [](const std::vector<uint8_t>& b) {
        LabelProperties p;
        return ReadLabelProperties(b.data(), b.size(), p);
    };
    auto readPicture = [](const std::vector<uint8_t>& b) {
        PictureBoxProperties p;
        return ReadPictureBoxProperties(b.data(), b.size(), p);
    };
    const Case cases[] = {
        {"window version 7", WriteWindowProperties(DistinctWindowProperties(7)), readWindow},
        {"edit box version 3", WriteEditBoxProperties(DistinctEditBoxProperties(3)), readEdit},
        {"edit box version -1", WriteEditBoxProperties(DistinctEditBoxProperties(-1)), readEdit},
        {"button version 2", WriteButtonProperties(DistinctButtonProperties(2)), readButton},
        {"button version -1", WriteButtonProperties(DistinctButtonProperties(-1)), readButton},
        {"label version 3", WriteLabelProperties(DistinctLabelProperties(3)), readLabel},
        {"picture box version 3", WritePictureBoxProperties(DistinctPictureBoxProperties(3)), readPicture},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(c.read(c.bytes)) << c.what << ": " << ToHex(c.bytes);
    }
}

// Overwrites the u32 at `offset` with `value`.
static std::vector<uint8_t> Patched(std::vector<uint8_t> bytes, size_t offset, uint32_t value) {
    ByteWriter writer;
    writer.WriteBytes(bytes);
    writer.PatchU32(offset, value);
    return writer.Take();
}

// In the controls' records a length of 0 or below is an empty field with no
// bytes after its length; the window record's lengths are unsigned, so the
// same bytes announce a block longer than the record.
TEST(KindRecords, NegativeLengthsAreEmptyExceptInTheWindowRecord) {
    // Byte offsets of the first length field of each record (all fields
    // before it are 4 bytes wide, but the edit box's 2-byte passwordChar).
    const size_t kEditFontAt = 66;
    const size_t kButtonPictureAt = 16;
    const size_t kLabelFontAt = 68;
    const size_t kPictureAt = 20;
    const size_t kWindowPictureAt = 80; // after an empty className
    for (uint32_t negative : {0xFFFFFFFFu, 0x80000000u}) {
        EditBoxProperties edit;
        EditBoxProperties editRead;
        std::vector<uint8_t> editBytes = Patched(WriteEditBoxProperties(edit), kEditFontAt, negative);
        EXPECT_TRUE(ReadEditBoxProperties(editBytes.data(), editBytes.size(), editRead)) << ToHex(editBytes);
        EXPECT_EQ(editRead, edit);

        ButtonProperties button;
        ButtonProperties buttonRead;
        std::vector<uint8_t> buttonBytes = Patched(WriteButtonProperties(button), kButtonPictureAt, negative);
        EXPECT_TRUE(ReadButtonProperties(buttonBytes.data(), buttonBytes.size(), buttonRead)) << ToHex(buttonBytes);
        EXPECT_EQ(buttonRead, button);

        LabelProperties label;
        LabelProperties labelRead;
        std::vector<uint8_t> labelBytes = Patched(WriteLabelProperties(label), kLabelFontAt, negative);
        EXPECT_TRUE(ReadLabelProperties(labelBytes.data(), labelBytes.size(), labelRead)) << ToHex(labelBytes);
        EXPECT_EQ(labelRead, label);

        PictureBoxProperties picture;
        PictureBoxProperties pictureRead;
        std::vector<uint8_t> pictureBytes = Patched(WritePictureBoxProperties(picture), kPictureAt, negative);
        EXPECT_TRUE(ReadPictureBoxProperties(pictureBytes.data(), pictureBytes.size(), pictureRead))
            << ToHex(pictureBytes);
        EXPECT_EQ(pictureRead, picture);

        WindowProperties window;
        WindowProperties windowRead;
        std::vector<uint8_t> windowBytes = Patched(WriteWindowProperties(window), kWindowPictureAt, negative);
        EXPECT_FALSE(ReadWindowProperties(windowBytes.data(), windowBytes.size(), windowRead)) << ToHex(windowBytes);
    }
}

// passwordChar is 16 bits wide: letterCase follows it at byte 42.
TEST(KindRecords, EditBoxPasswordCharIsTwoBytes) {
    EditBoxProperties p;
    p.passwordChar = 0x012A;
    p.letterCase = 2;
    std::vector<uint8_t> bytes = WriteEditBoxProperties(p);
    ASSERT_GE(bytes.size(), 46u);
    EXPECT_EQ(ToHex(std::vector<uint8_t>(bytes.begin() + 40, bytes.begin() + 46)), "2A 01 02 00 00 00");
}

// Versions 0 and 1 of labels and picture boxes end after their last common
// field; what follows is not taken as a data source.
TEST(KindRecords, OldLabelAndPictureRecordsHaveNoDataSource) {
    for (uint32_t version : {0u, 1u}) {
        LabelProperties label = DistinctLabelProperties(version);
        std::vector<uint8_t> labelBytes = WriteLabelProperties(label);
        EXPECT_EQ(labelBytes.size() + 10, WriteLabelProperties(DistinctLabelProperties(2)).size())
            << "version " << version << " lacks the two texts \"s\" and \"c\"";
        labelBytes.insert(labelBytes.end(), {1, 0, 0, 0, 'x', 1, 0, 0, 0, 'y'});
        LabelProperties labelRead;
        ASSERT_TRUE(ReadLabelProperties(labelBytes.data(), labelBytes.size(), labelRead)) << "version " << version;
        EXPECT_EQ(labelRead.dataSource, "") << "version " << version;
        EXPECT_EQ(labelRead.dataColumn, "") << "version " << version;

        std::vector<uint8_t> pictureBytes = WritePictureBoxProperties(DistinctPictureBoxProperties(version));
        pictureBytes.insert(pictureBytes.end(), {1, 0, 0, 0, 'x', 1, 0, 0, 0, 'y'});
        PictureBoxProperties pictureRead;
        ASSERT_TRUE(ReadPictureBoxProperties(pictureBytes.data(), pictureBytes.size(), pictureRead));
        EXPECT_EQ(pictureRead.dataSource, "") << "version " << version;
    }
}
