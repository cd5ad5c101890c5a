// Delivery of events to bound handlers, without building any window: the
// event table, the blocking counter, proxies and the fatal reports.
#include <gtest/gtest.h>

#include "app/core/fatal_message.h"
#include "tests/window/test_forms.h"
#include "tests/window/test_shell.h"
#include "ui/description/identifiers.h"

constexpr uint32_t kButtonA = 0x16010011;
constexpr uint32_t kButtonB = 0x16010012;
constexpr uint32_t kEditC = 0x16010010;
constexpr uint32_t kOddKind = 0x16010013;

static ElementDescription WithEvents(ElementDescription element, std::vector<EventBinding> events,
                                     uint32_t proxyId = 0) {
    element.record.events = std::move(events);
    element.record.proxyId = proxyId;
    return element;
}

class EventDispatchTest : public WindowLayerTest {
protected:
    // Window: close query 1 bound. Button A: click bound. Button B: event 3
    // bound. Edit box C: click listed without a handler. Element of kind 99.
    void LoadWith(uint32_t proxyOfA, uint32_t proxyOfB) {
        Load({WithEvents(WindowElement(), {{1, 4}}),
              WithEvents(ControlElement(kOddKind, 99, {}), {{0, 0}}),
              WithEvents(ControlElement(kButtonB, kKindButton, {}), {{3, 0}}, proxyOfB),
              WithEvents(ControlElement(kButtonA, kKindButton, {}), {{0, 0}}, proxyOfA),
              WithEvents(ControlElement(kEditC, kKindEditBox, {}), {{0, -1}})});
    }
};

TEST_F(EventDispatchTest, OnlyABoundHandlerRuns) {
    ASSERT_NO_FATAL_FAILURE(LoadWith(0, 0));
    struct Case {
        const char* what;
        uint32_t controlId;
        int32_t eventNumber;
        bool delivered;
    };
    const Case cases[] = {
        {"bound click of a button", kButtonA, 0, true},
        {"event the button's table does not list", kButtonA, 5, false},
        {"listed event without handler", kEditC, 0, false},
        {"window's own event through control id 0", 0, 1, true},
        {"window's own event through its element id", kWindowElementId, 1, true},
        {"window event that is not bound", 0, 12, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HandlerCalls().clear();
        bool delivered = RaiseSimpleEvent(kTestWindowId, c.controlId, c.eventNumber);
        EXPECT_EQ(delivered, c.delivered);
        ASSERT_EQ(HandlerCalls().size(), c.delivered ? 1u : 0u);
        if (c.delivered) {
            EXPECT_EQ(HandlerCalls()[0].controlId, c.controlId);
            EXPECT_EQ(HandlerCalls()[0].eventNumber, c.eventNumber);
        }
    }
}

TEST_F(EventDispatchTest, TheHandlersResultIsStoredInTheRecord) {
    ASSERT_NO_FATAL_FAILURE(LoadWith(0, 0));
    SetHandlerAnswer(true, 0);
    EventRecord event;
    event.windowId = kTestWindowId;
    event.controlId = 0;
    event.eventNumber = 1;
    ASSERT_TRUE(RaiseEvent(event));
    EXPECT_TRUE(event.hasResult);
    EXPECT_EQ(event.result, 0);

    SetHandlerAnswer(false, 77);
    ASSERT_TRUE(RaiseEvent(event));
    EXPECT_FALSE(event.hasResult) << "result " << event.result;
}

TEST_F(EventDispatchTest, NothingRunsWhileEventsAreBlocked) {
    ASSERT_NO_FATAL_FAILURE(LoadWith(0, 0));
    BlockEvents();
    BlockEvents();
    UnblockEvents();
    EXPECT_FALSE(RaiseSimpleEvent(kTestWindowId, kButtonA, 0));
    // Even an unknown window is no error while blocked: nothing is looked up.
    EXPECT_FALSE(RaiseSimpleEvent(0x52010099, kButtonA, 0));
    UnblockEvents();
    EXPECT_TRUE(RaiseSimpleEvent(kTestWindowId, kButtonA, 0));
    EXPECT_EQ(HandlerCalls().size(), 1u);
}

TEST_F(EventDispatchTest, UnknownTargetsAreFatal) {
    ASSERT_NO_FATAL_FAILURE(LoadWith(0, 0));
    struct Case {
        const char* what;
        uint32_t windowId;
        uint32_t controlId;
        const char* message;
    };
    const Case cases[] = {
        {"window the program does not hold", 0x52010002, kButtonA, kMessageEventWindowNotFound},
        {"control the window does not contain", kTestWindowId, 0x16010099, kMessageEventControlNotFound},
        {"control of a kind that makes no windows", kTestWindowId, kOddKind, kMessageEventControlInvalid},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FatalMessageOf([&] { RaiseSimpleEvent(c.windowId, c.controlId, 0); }), c.message);
        EXPECT_TRUE(HandlerCalls().empty());
    }
}

TEST_F(EventDispatchTest, ProxiesLendTheirEventTable) {
    struct Case {
        const char* what;
        uint32_t proxyOfA;
        uint32_t proxyOfB;
        int32_t eventNumber; // raised on button A
        bool delivered;
    };
    const Case cases[] = {
        {"A uses B's table: B's event 3 runs", kButtonB, 0, 3, true},
        {"A uses B's table: A's own click does not", kButtonB, 0, 0, false},
        {"proxy of another kind is not followed", kEditC, 0, 0, true},
        {"proxy that names no element is not followed", 0x16010077, 0, 0, true},
        {"A names itself", kButtonA, 0, 0, true},
        {"A and B name each other: the chain stops at B", kButtonB, kButtonA, 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NO_FATAL_FAILURE(LoadWith(c.proxyOfA, c.proxyOfB));
        HandlerCalls().clear();
        EXPECT_EQ(RaiseSimpleEvent(kTestWindowId, kButtonA, c.eventNumber), c.delivered);
        ASSERT_EQ(HandlerCalls().size(), c.delivered ? 1u : 0u);
        if (c.delivered) {
            // The handler sees the event as raised, not as forwarded.
            EXPECT_EQ(HandlerCalls()[0].controlId, kButtonA);
        }
    }
}
