#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "calc/number_to_text.h"
#include "calc/text_memory.h"
#include "tests/support/escape_from_no_return.h"

// An installed allocator is the one the conversions use; a refusal goes to
// its exhaustion handler. Each test puts the C heap back.
static int gAllocations = 0;
static int gReleases = 0;
static size_t gRefusedSize = 0;

static void* CountingAllocate(size_t byteCount) {
    ++gAllocations;
    return std::malloc(byteCount);
}

static void CountingRelease(void* block) {
    ++gReleases;
    std::free(block);
}

static void* RefusingAllocate(size_t) {
    return nullptr;
}

static void EscapeOnExhaustion(size_t byteCount) {
    gRefusedSize = byteCount;
    EscapeToTest();
}

static void* CHeapAllocate(size_t byteCount) {
    return std::malloc(byteCount);
}

static void CHeapRelease(void* block) {
    std::free(block);
}

class TextMemoryTest : public testing::Test {
protected:
    void TearDown() override { SetTextMemory(TextMemory{CHeapAllocate, CHeapRelease, EscapeOnExhaustion}); }
};

TEST_F(TextMemoryTest, ConversionsUseTheInstalledAllocator) {
    gAllocations = gReleases = 0;
    SetTextMemory(TextMemory{CountingAllocate, CountingRelease, EscapeOnExhaustion});
    char* text = ConvertNumberToText(141.2121794872);
    EXPECT_EQ(std::string(text), "141.2121794872");
    ReleaseText(text);
    ReleaseText(nullptr);  // left alone
    EXPECT_EQ(gAllocations, 1);
    EXPECT_EQ(gReleases, 1);
}

TEST_F(TextMemoryTest, RefusalGoesToTheExhaustionHandler) {
    gRefusedSize = 0;
    SetTextMemory(TextMemory{RefusingAllocate, CountingRelease, EscapeOnExhaustion});
    EXPECT_TRUE(RunUntilEscape([] { ConvertNumberToText(2202.91); })) << "the refusal was not reported";
    EXPECT_EQ(gRefusedSize, 8u) << "size of \"2202.91\" and its terminator";
}
