// The fatal run-time error report at start-up, on copies of the program whose
// description resource is damaged.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/driver.h"
#include "ui/description/form_description.h"

static const char kBoxTitle[] = "\xB4\xED\xCE\xF3"; // "错误"
// "运行时出错!\r\n\r\n错误信息：" followed by the message and "\r\n".
static const char kReportStart[] = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";
// "载入窗口模板数据段出错!"
static const char kDescriptionUnreadable[] =
    "\xD4\xD8\xC8\xEB\xB4\xB0\xBF\xDA\xC4\xA3\xB0\xE5\xCA\xFD\xBE\xDD\xB6\xCE\xB3\xF6\xB4\xED!";
// "载入启动窗口失败"
static const char kStartWindowFailed[] = "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC";

static const char* const kDescriptionResource = "FORMDESCRIPTION";
static const LPCSTR kRcData = MAKEINTRESOURCEA(10);

static BOOL CALLBACK TakeLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR parameter) {
    *reinterpret_cast<std::optional<WORD>*>(parameter) = language;
    return FALSE; // the first one is enough
}

// The description bytes of an executable and the language they are stored under.
static bool ReadDescriptionResource(const std::string& exe, std::vector<uint8_t>& bytes, WORD& language) {
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) {
        return false;
    }
    std::optional<WORD> found;
    EnumResourceLanguagesA(module, kRcData, kDescriptionResource, TakeLanguage, reinterpret_cast<LONG_PTR>(&found));
    HRSRC info = FindResourceA(module, kDescriptionResource, kRcData);
    HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (data && found) {
        const auto* begin = static_cast<const uint8_t*>(data);
        bytes.assign(begin, begin + SizeofResource(module, info));
        language = *found;
    }
    FreeLibrary(module);
    return data && found;
}

// Replaces the description of `exe` with `bytes`.
static bool WriteDescriptionResource(const std::string& exe, WORD language, std::vector<uint8_t>& bytes) {
    HANDLE update = BeginUpdateResourceA(exe.c_str(), FALSE);
    if (!update) {
        return false;
    }
    bool updated = UpdateResourceA(update, kRcData, kDescriptionResource, language, bytes.data(),
                                   static_cast<DWORD>(bytes.size())) != FALSE;
    return EndUpdateResourceA(update, !updated) != FALSE && updated;
}

// The first window's own property record starts with its version number.
static bool SetWindowPropertiesVersion(std::vector<uint8_t>& bytes, uint32_t version) {
    std::optional<FormDescription> description = ReadFormDescription(bytes.data(), bytes.size());
    if (!description || description->windows.empty() || description->windows[0].elements.empty()) {
        return false;
    }
    std::vector<uint8_t>& kindRecord = description->windows[0].elements[0].record.kindRecord;
    if (kindRecord.size() < 4) {
        return false;
    }
    for (int i = 0; i < 4; i++) {
        kindRecord[static_cast<size_t>(i)] = static_cast<uint8_t>(version >> (8 * i));
    }
    bytes = WriteFormDescription(*description);
    return true;
}

// MB_ICONERROR shows an icon in a static control of the box.
static bool HasIcon(HWND box) {
    for (HWND child : ChildWindows(box)) {
        // The box's template always holds the icon control; without an
        // icon it stays hidden and empty.
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child) &&
            SendMessageA(child, STM_GETICON, 0, 0) != 0) {
            return true;
        }
    }
    return false;
}

// Starts `exe`, which must show the run-time error box with `message` and no
// main window, and end with -1 once the box is closed.
static void ExpectFatalReport(const std::string& exe, const std::string& message, bool windowMayExist,
                              const std::string& arguments = std::string()) {
    std::string error;
    ProgramProcess process = StartProgram(exe, error, std::string(), arguments);
    ASSERT_TRUE(process.Started()) << error;

    // Watch for the main window on every poll until the box is up.
    bool windowShown = false;
    HWND box = nullptr;
    WaitFor(
        [&] {
            windowShown = windowShown || FindProgramWindow(process.Id()) != nullptr;
            box = FindDialog(process.Id(), kBoxTitle);
            return box != nullptr && IsWindowVisible(box);
        },
        kStartTimeoutMs);
    ASSERT_NE(box, nullptr) << "no box titled \"\xB4\xED\xCE\xF3\"; running " << process.Running() << "\n"
                            << DescribeWindows(process.Id());

    const std::string expected = std::string(kReportStart) + message + "\r\n";
    const std::string shown = MessageBoxText(box);
    EXPECT_EQ(shown, expected) << "got " << HexBytes(shown) << "\nexpected " << HexBytes(expected);
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr) << "the box has no OK button";
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr) << "the box has a Cancel button";
    EXPECT_TRUE(HasIcon(box)) << "the box shows no icon";
    EXPECT_FALSE(windowShown) << "a main window was shown before the report";
    if (!windowMayExist) {
        EXPECT_TRUE(TopLevelWindows(process.Id(), "WTWindow").empty()) << "a main window was created";
    }

    ASSERT_TRUE(PressDialogButton(box)) << "GetLastError " << GetLastError();
    std::optional<DWORD> exitCode = process.ExitCodeAfter(kExitTimeoutMs);
    ASSERT_TRUE(exitCode.has_value()) << "still running after OK";
    EXPECT_EQ(*exitCode, 0xFFFFFFFFu) << std::hex << "exit code 0x" << *exitCode;
}

struct DamageCase {
    const char* what;
    // Changes the description bytes; false when it cannot be applied.
    std::function<bool(std::vector<uint8_t>&)> damage;
    const char* message;
    bool windowMayExist; // hidden: the build may fail after making the window
};

class FatalStartTest : public testing::Test {
protected:
    void SetUp() override {
        program = ProgramPath();
        ASSERT_FALSE(program.empty()) << "PPICALC_EXE is not set";
        ASSERT_FALSE(folder.Path().empty()) << "no temporary folder, GetLastError " << GetLastError();
        ASSERT_TRUE(ReadDescriptionResource(program, original, language))
            << "no FORMDESCRIPTION resource in " << program << ", GetLastError " << GetLastError();
        // The writer must give back exactly the bytes the reader took, or the
        // version case below would change more than the version.
        std::optional<FormDescription> parsed = ReadFormDescription(original.data(), original.size());
        ASSERT_TRUE(parsed.has_value()) << "the program's own description does not read";
        ASSERT_EQ(WriteFormDescription(*parsed), original);
    }

    std::string program;
    TemporaryFolder folder;
    std::vector<uint8_t> original;
    WORD language = 0;
};

TEST_F(FatalStartTest, DamagedDescriptionShowsTheReportAndExitsWithMinusOne) {
    const DamageCase cases[] = {
        {"description one byte short",
         [](std::vector<uint8_t>& bytes) {
             bytes.pop_back();
             return true;
         },
         kDescriptionUnreadable, false},
        {"window record of version 7",
         [](std::vector<uint8_t>& bytes) { return SetWindowPropertiesVersion(bytes, 7); }, kStartWindowFailed,
         true},
    };
    int copyNumber = 0;
    for (const DamageCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string copy = folder.File("damaged" + std::to_string(++copyNumber) + ".exe");
        ASSERT_TRUE(CopyFileA(program.c_str(), copy.c_str(), FALSE)) << "GetLastError " << GetLastError();
        std::vector<uint8_t> bytes = original;
        ASSERT_TRUE(c.damage(bytes));
        ASSERT_TRUE(WriteDescriptionResource(copy, language, bytes)) << "GetLastError " << GetLastError();
        std::vector<uint8_t> written;
        WORD writtenLanguage = 0;
        ASSERT_TRUE(ReadDescriptionResource(copy, written, writtenLanguage) && written == bytes)
            << "the copy does not carry the changed description (" << written.size() << " bytes, expected "
            << bytes.size() << ")";

        ExpectFatalReport(copy, c.message, c.windowMayExist);
    }
}

// An allocation refused by the system, in a stand-in program built from the
// shell's own files: its text memory, or an ordinary C++ allocation (what the
// windows and controls are made of), asked for more than the heap can give.
TEST(MemoryExhaustionTest, RefusedAllocationShowsTheReportAndExitsWithMinusOne) {
    const char* probe = std::getenv("PPICALC_HEAP_PROBE");
    if (!probe) {
        GTEST_SKIP() << "PPICALC_HEAP_PROBE is not set";
    }
    // "分配 2147483632 字节内存失败!"
    const std::string message = "\xB7\xD6\xC5\xE4 2147483632 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!";
    for (const char* what : {"text", "object"}) {
        SCOPED_TRACE(what);
        ExpectFatalReport(ToWindowsPath(probe), message, false, what);
    }
}
