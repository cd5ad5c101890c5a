// The program as a process: how it ends, where it runs, what it needs.
#include <gtest/gtest.h>

#include <winternl.h>

#include <cctype>
#include <cstring>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tests/e2e/driver.h"

class ShellTest : public testing::Test {
protected:
    void SetUp() override {
        program = ProgramPath();
        ASSERT_FALSE(program.empty()) << "PPICALC_EXE is not set";
    }

    // Starts a copy of the program and waits for its main window.
    void Start(ProgramProcess& process, HWND& window, const std::string& exe,
               const std::string& currentDirectory = std::string()) {
        std::string error;
        process = StartProgram(exe, error, currentDirectory);
        ASSERT_TRUE(process.Started()) << error;
        window = WaitForProgramWindow(process.Id());
        ASSERT_NE(window, nullptr) << "no visible main window; running " << process.Running() << "\n"
                                   << DescribeWindows(process.Id());
    }

    std::string program;
};

struct CloseWay {
    const char* what;
    std::function<bool(HWND)> close;
};

TEST_F(ShellTest, EveryWayOfClosingTheWindowEndsWithExitCodeZero) {
    const CloseWay ways[] = {
        // the keyboard model: Esc closes the window, wherever the focus is
        {"Esc", [](HWND window) { return PressChordIn(window, {VK_ESCAPE}); }},
        // the system's own close key
        {"Alt+F4", [](HWND window) { return PressChordIn(window, {VK_MENU, VK_F4}); }},
        {"WM_CLOSE", [](HWND window) { return PostMessageA(window, WM_CLOSE, 0, 0) != FALSE; }},
        // Close in the system menu
        {"SC_CLOSE", [](HWND window) { return PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE; }},
    };
    for (const CloseWay& way : ways) {
        SCOPED_TRACE(way.what);
        ProgramProcess process;
        HWND window = nullptr;
        Start(process, window, program);
        if (HasFatalFailure()) {
            return;
        }
        ASSERT_TRUE(way.close(window)) << "GetLastError " << GetLastError();
        std::optional<DWORD> exitCode = process.ExitCodeAfter(kExitTimeoutMs);
        ASSERT_TRUE(exitCode.has_value()) << "still running; window still there: " << IsWindow(window);
        EXPECT_EQ(*exitCode, 0u) << std::hex << "exit code 0x" << *exitCode;
    }
}

TEST_F(ShellTest, TwoCopiesRunSideBySide) {
    ProgramProcess first;
    ProgramProcess second;
    HWND firstWindow = nullptr;
    HWND secondWindow = nullptr;
    Start(first, firstWindow, program);
    Start(second, secondWindow, program);
    if (HasFatalFailure()) {
        return;
    }
    EXPECT_NE(firstWindow, secondWindow);

    // Closing one leaves the other running with its window.
    ASSERT_TRUE(PostMessageA(firstWindow, WM_CLOSE, 0, 0));
    std::optional<DWORD> firstExit = first.ExitCodeAfter(kExitTimeoutMs);
    ASSERT_TRUE(firstExit.has_value()) << "the first copy did not end";
    EXPECT_EQ(*firstExit, 0u);
    EXPECT_TRUE(second.Running());
    EXPECT_TRUE(IsWindowVisible(secondWindow));

    ASSERT_TRUE(PostMessageA(secondWindow, WM_CLOSE, 0, 0));
    std::optional<DWORD> secondExit = second.ExitCodeAfter(kExitTimeoutMs);
    ASSERT_TRUE(secondExit.has_value()) << "the second copy did not end";
    EXPECT_EQ(*secondExit, 0u);
}

// ---- current directory ----

// The current directory of another 32-bit process, from its process
// parameters: PEB + 0x10 holds them, and their CurrentDirectory.DosPath (a
// UNICODE_STRING) sits at + 0x24.
static std::optional<std::string> CurrentDirectoryOf(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic = {};
    ULONG returned = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof(basic), &returned) != 0) {
        return std::nullopt;
    }
    auto readDword = [&](uintptr_t address, uint32_t& value) {
        SIZE_T got = 0;
        return ReadProcessMemory(process, reinterpret_cast<LPCVOID>(address), &value, sizeof(value), &got) &&
               got == sizeof(value);
    };
    uint32_t parameters = 0;
    uint32_t lengths = 0;
    uint32_t buffer = 0;
    if (!readDword(reinterpret_cast<uintptr_t>(basic.PebBaseAddress) + 0x10, parameters) ||
        !readDword(parameters + 0x24, lengths) || !readDword(parameters + 0x28, buffer)) {
        return std::nullopt;
    }
    std::wstring path((lengths & 0xFFFF) / sizeof(wchar_t), L'\0');
    SIZE_T got = 0;
    if (!ReadProcessMemory(process, reinterpret_cast<LPCVOID>(static_cast<uintptr_t>(buffer)), path.data(),
                           path.size() * sizeof(wchar_t), &got)) {
        return std::nullopt;
    }
    int size = WideCharToMultiByte(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, path.data(), static_cast<int>(path.size()), ansi.data(), size, nullptr, nullptr);
    return ansi;
}

static std::string Normalised(std::string path) {
    while (!path.empty() && path.back() == '\\') {
        path.pop_back();
    }
    for (char& c : path) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return path;
}

// A copy alone in a folder of its own, started from another folder: it needs
// nothing beside itself, and it makes its own folder the current directory.
TEST_F(ShellTest, RunsAloneAndMakesItsFolderTheCurrentDirectory) {
    TemporaryFolder home;
    TemporaryFolder elsewhere;
    ASSERT_FALSE(home.Path().empty());
    ASSERT_FALSE(elsewhere.Path().empty());
    const std::string copy = home.File("ppicalc.exe");
    ASSERT_TRUE(CopyFileA(program.c_str(), copy.c_str(), FALSE)) << "GetLastError " << GetLastError();

    ProgramProcess process;
    HWND window = nullptr;
    Start(process, window, copy, elsewhere.Path());
    if (HasFatalFailure()) {
        return;
    }
    std::optional<std::string> current = CurrentDirectoryOf(process.Handle());
    ASSERT_TRUE(current.has_value()) << "cannot read the current directory, GetLastError " << GetLastError();
    EXPECT_EQ(Normalised(*current), Normalised(home.Path())) << "started in " << elsewhere.Path();

    ASSERT_TRUE(PostMessageA(window, WM_CLOSE, 0, 0));
    EXPECT_EQ(process.ExitCodeAfter(kExitTimeoutMs), std::optional<DWORD>(0));
}

// ---- imports ----

// Names of the DLLs in the import directory of a 32-bit PE image; false when
// the file is not one. Every offset is checked against the file.
static bool ImportedDlls(const std::vector<uint8_t>& image, std::vector<std::string>& names) {
    auto u16 = [&](size_t at, uint32_t& value) {
        if (at + 2 > image.size()) return false;
        value = image[at] | (image[at + 1] << 8);
        return true;
    };
    auto u32 = [&](size_t at, uint32_t& value) {
        if (at + 4 > image.size()) return false;
        value = image[at] | (image[at + 1] << 8) | (image[at + 2] << 16) | (static_cast<uint32_t>(image[at + 3]) << 24);
        return true;
    };
    uint32_t peOffset = 0, signature = 0, sectionCount = 0, optionalSize = 0, magic = 0;
    if (!u32(0x3C, peOffset) || !u32(peOffset, signature) || signature != 0x00004550) return false;
    const size_t fileHeader = peOffset + 4;
    if (!u16(fileHeader + 2, sectionCount) || !u16(fileHeader + 16, optionalSize)) return false;
    const size_t optional = fileHeader + 20;
    if (!u16(optional, magic) || magic != 0x10B) return false; // PE32
    uint32_t importRva = 0;
    if (!u32(optional + 96 + 8, importRva)) return false; // data directory 1
    if (importRva == 0) return true;

    const size_t sections = optional + optionalSize;
    auto fileOffset = [&](uint32_t rva, size_t& offset) {
        for (uint32_t i = 0; i < sectionCount; i++) {
            uint32_t virtualSize = 0, virtualAddress = 0, rawSize = 0, rawOffset = 0;
            const size_t header = sections + i * 40;
            if (!u32(header + 8, virtualSize) || !u32(header + 12, virtualAddress) || !u32(header + 16, rawSize) ||
                !u32(header + 20, rawOffset)) {
                return false;
            }
            const uint32_t span = virtualSize > rawSize ? virtualSize : rawSize;
            if (rva >= virtualAddress && rva - virtualAddress < span) {
                offset = rawOffset + (rva - virtualAddress);
                return offset < image.size();
            }
        }
        return false;
    };
    size_t descriptor = 0;
    if (!fileOffset(importRva, descriptor)) return false;
    for (;; descriptor += 20) {
        uint32_t nameRva = 0, thunks = 0;
        if (!u32(descriptor + 12, nameRva) || !u32(descriptor + 16, thunks)) return false;
        if (nameRva == 0 && thunks == 0) return true; // the terminating entry
        size_t name = 0;
        if (!fileOffset(nameRva, name)) return false;
        std::string dll;
        while (name < image.size() && image[name] != 0 && dll.size() < 260) {
            dll += static_cast<char>(image[name++]);
        }
        names.push_back(dll);
    }
}

TEST_F(ShellTest, ImportsOnlyDllsThatWindowsShips) {
    const std::set<std::string> systemDlls = {
        "kernel32.dll", "user32.dll", "gdi32.dll",  "ole32.dll",   "oleaut32.dll", "comctl32.dll",
        "advapi32.dll", "shell32.dll", "msvcrt.dll", "msimg32.dll", "uxtheme.dll",  "ntdll.dll",
    };
    std::vector<uint8_t> image;
    ASSERT_TRUE(ReadWholeFile(program, image)) << program;
    std::vector<std::string> names;
    ASSERT_TRUE(ImportedDlls(image, names)) << "not a readable 32-bit PE file: " << program;
    std::string all;
    for (const std::string& name : names) {
        all += name + " ";
    }
    bool hasKernel = false;
    for (std::string name : names) {
        for (char& c : name) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        hasKernel = hasKernel || name == "kernel32.dll";
        EXPECT_TRUE(systemDlls.count(name)) << name << " is not a system DLL; imports: " << all;
    }
    EXPECT_TRUE(hasKernel) << "the import list looks unread; imports: " << all;
}

// An entry of an icon group resource (GRPICONDIRENTRY).
#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colorCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)

// The window's icons cannot be asked for across processes here, so the test
// reads what the windows are given: the program's "DEFAULT_ICON" group, which
// must hold 16, 32 and 48 pixel images in 16 colours, each loadable.
TEST_F(ShellTest, ProgramIconGroupHoldsThreeSixteenColourSizes) {
    HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << program << ": GetLastError " << GetLastError();
    HRSRC found = FindResourceA(module, "DEFAULT_ICON", MAKEINTRESOURCEA(14)); // RT_GROUP_ICON
    ASSERT_NE(found, nullptr) << "no icon group DEFAULT_ICON; GetLastError " << GetLastError();
    const BYTE* group = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    DWORD groupSize = SizeofResource(module, found);
    ASSERT_NE(group, nullptr);
    ASSERT_GE(groupSize, 6u);
    WORD count = static_cast<WORD>(group[4] | (group[5] << 8));
    ASSERT_GE(groupSize, 6u + count * sizeof(IconGroupEntry)) << "group of " << count << " entries cut short";

    std::set<int> sizes;
    for (WORD i = 0; i < count; i++) {
        IconGroupEntry entry;
        memcpy(&entry, group + 6 + i * sizeof(IconGroupEntry), sizeof(entry));
        int size = entry.width == 0 ? 256 : entry.width;
        sizes.insert(size);
        EXPECT_EQ(entry.width, entry.height) << "entry " << i;
        EXPECT_TRUE(entry.colorCount == 16 || entry.bitCount == 4)
            << "entry " << i << " (" << size << " px): colour count " << int{entry.colorCount} << ", bits "
            << entry.bitCount;
        HRSRC image = FindResourceA(module, MAKEINTRESOURCEA(entry.id), MAKEINTRESOURCEA(3)); // RT_ICON
        ASSERT_NE(image, nullptr) << "icon image " << entry.id << " missing";
        const BYTE* bits = static_cast<const BYTE*>(LockResource(LoadResource(module, image)));
        HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(bits), SizeofResource(module, image), TRUE,
                                              0x00030000, size, size, 0);
        EXPECT_NE(icon, nullptr) << size << " px image does not load; GetLastError " << GetLastError();
        if (icon) {
            DestroyIcon(icon);
        }
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32, 48}));
    FreeLibrary(module);
}
