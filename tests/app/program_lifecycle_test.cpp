// The shell's own start and end, run inside this test program: what service 6
// sets up and what the shutdown takes down again, in its order.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

#include <string>

#include "app/app_state.h"
#include "app/services.h"
#include "app/shutdown.h"
#include "ui/window/event_dispatch.h"

// Whether COM/OLE is initialised on this thread right now.
static bool OleUp() {
    APTTYPE type;
    APTTYPEQUALIFIER qualifier;
    return CoGetApartmentType(&type, &qualifier) == S_OK;
}

static int gShutdownCalls = 0;
static bool gOleUpDuringShutdown = false;
static bool gShutdownBegunDuringRoutines = false;

static void RecordShutdown() {
    gShutdownCalls++;
    gOleUpDuringShutdown = OleUp();
    gShutdownBegunDuringRoutines = gApp.shuttingDown;
}

static std::string CurrentDirectory() {
    char buffer[MAX_PATH] = {};
    DWORD length = GetCurrentDirectoryA(MAX_PATH, buffer);
    return std::string(buffer, length);
}

static std::string ModuleDirectory() {
    char buffer[MAX_PATH] = {};
    std::string path(buffer, GetModuleFileNameA(nullptr, buffer, MAX_PATH));
    return path.substr(0, path.rfind('\\'));
}

TEST(ProgramLifecycle, InitialiseThenShutDownInOrder) {
    // Start somewhere else, so that entering the program's folder shows.
    char temp[MAX_PATH] = {};
    ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
    ASSERT_TRUE(SetCurrentDirectoryA(temp));
    ASSERT_FALSE(OleUp());

    // This program carries no description resource: nothing is read, and
    // that is no error.
    InitialiseProgram();

    EXPECT_EQ(gApp.heap, GetProcessHeap());
    EXPECT_EQ(gApp.programKind, 3u);
    EXPECT_EQ(gApp.reservedWord, 0u);
    EXPECT_EQ(gApp.formatNumberPlusOne, 0x00010036u);
    EXPECT_TRUE(gApp.oleInitialised);
    EXPECT_TRUE(OleUp());
    EXPECT_EQ(CurrentDirectory(), ModuleDirectory()) << "started in " << temp;
    EXPECT_EQ(gApp.programDirectory, ModuleDirectory());
    EXPECT_EQ(gApp.mainThreadId, GetCurrentThreadId());
    ASSERT_NE(gApp.constantDataBegin, nullptr);
    EXPECT_EQ(gApp.constantDataEnd - gApp.constantDataBegin, 1);
    EXPECT_EQ(*gApp.constantDataBegin, '\0');

    // The owner window: a hidden, unowned tool window.
    HWND owner = gApp.ownerWindow;
    ASSERT_TRUE(IsWindow(owner));
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_TRUE(GetWindowLongA(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)
        << std::hex << "extended style 0x" << GetWindowLongA(owner, GWL_EXSTYLE);
    EXPECT_EQ(GetWindow(owner, GW_OWNER), nullptr);
    EXPECT_EQ(GetWindowTextLengthA(owner), 0);

    // The same routine registered twice runs once.
    RegisterShutdownRoutine(RecordShutdown);
    RegisterShutdownRoutine(RecordShutdown);
    ShutDown(0);

    EXPECT_EQ(gShutdownCalls, 1);
    EXPECT_TRUE(gOleUpDuringShutdown) << "OLE was uninitialised before the shutdown routines ran";
    EXPECT_TRUE(gShutdownBegunDuringRoutines) << "the routines ran before the shutdown had begun";
    EXPECT_EQ(gApp.shutdownRoutines.Count(), 0u);
    EXPECT_TRUE(EventsBlocked()) << "events can still run after the shutdown";
    EXPECT_FALSE(IsWindow(owner)) << "the owner window outlived the shutdown";
    EXPECT_EQ(gApp.ownerWindow, nullptr);
    EXPECT_FALSE(gApp.oleInitialised);
    EXPECT_FALSE(OleUp()) << "OLE is still initialised after the shutdown";
}
