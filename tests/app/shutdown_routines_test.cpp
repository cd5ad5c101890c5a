#include <gtest/gtest.h>

#include <string>

#include "app/shutdown_routines.h"

static std::string gCalls;

static void RoutineA() {
    gCalls += "A";
}
static void RoutineB() {
    gCalls += "B";
}
static void RoutineC() {
    gCalls += "C";
}
// Registers another routine while the list runs.
static void RoutineRegistering();
static ShutdownRoutines* gRunning = nullptr;
static void RoutineRegistering() {
    gCalls += "R";
    gRunning->Register(RoutineC);
    gRunning->Register(RoutineRegistering);
}

class ShutdownRoutinesTest : public testing::Test {
protected:
    void SetUp() override { gCalls.clear(); }
    ShutdownRoutines routines;
};

TEST_F(ShutdownRoutinesTest, RunsEachRoutineOnceInRegistrationOrder) {
    routines.Register(RoutineB);
    routines.Register(RoutineA);
    routines.Register(RoutineB); // already there: not added again
    routines.Register(nullptr);  // nothing to call
    EXPECT_EQ(routines.Count(), 2u);
    routines.RunAll();
    EXPECT_EQ(gCalls, "BA");
    EXPECT_EQ(routines.Count(), 0u);

    // The list is empty afterwards: a second run calls nothing.
    routines.RunAll();
    EXPECT_EQ(gCalls, "BA");
}

TEST_F(ShutdownRoutinesTest, ClearedRoutinesNeverRun) {
    routines.Register(RoutineA);
    routines.Clear();
    routines.RunAll();
    EXPECT_EQ(gCalls, "");
}

TEST_F(ShutdownRoutinesTest, RoutineRegisteredDuringTheRunRunsOnce) {
    gRunning = &routines;
    routines.Register(RoutineA);
    routines.Register(RoutineRegistering);
    routines.RunAll();
    gRunning = nullptr;
    EXPECT_EQ(gCalls, "ARC");
    EXPECT_EQ(routines.Count(), 0u);
}
