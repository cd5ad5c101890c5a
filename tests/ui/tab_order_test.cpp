#include "ui/rules/tab_order.h"

#include <gtest/gtest.h>

#include "ui/declaration/main_window_declaration.h"
#include "ui/description/identifiers.h"
#include "ui/rules/creation_order.h"
#include "ui/rules/kind_traits.h"

// The main window's controls as the focus rules see them once built: in
// creation order, each visible and enabled as its state flags say.
struct MainWindowControls {
    std::vector<FocusCandidate> controls;
    std::vector<uint32_t> ids; // parallel to controls

    int IndexOf(uint32_t id) const {
        for (size_t i = 0; i < ids.size(); i++) {
            if (ids[i] == id) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    uint32_t IdAt(int index) const { return index < 0 ? 0 : ids[index]; }
};

static MainWindowControls BuiltMainWindow() {
    FormDescription description = DeclareMainWindow({});
    const WindowDescription& window = description.windows.at(0);
    int elementCount = static_cast<int>(window.elements.size());
    MainWindowControls built;
    for (int creation = 0; creation < elementCount - 1; creation++) {
        const ElementDescription& element = window.elements[ElementOfCreation(creation, elementCount)];
        FocusCandidate control;
        control.exists = true;
        control.visible = (element.record.stateFlags & kStateVisible) != 0;
        control.enabled = (element.record.stateFlags & kStateDisabled) == 0;
        control.tabStop = (element.record.stateFlags & kStateTabStop) != 0;
        control.traits = BuiltInKindTraits(KindNumberOf(element.record.kind));
        control.tabOrder = element.record.tabOrder;
        built.controls.push_back(control);
        built.ids.push_back(element.id);
    }
    return built;
}

TEST(TabOrder, MainWindowCycle) {
    MainWindowControls w = BuiltMainWindow();
    EXPECT_EQ(w.IdAt(FirstFocus(w.controls)), kEditBox1Id) << std::hex << "first focus";
    const uint32_t cycle[] = {kEditBox1Id, kEditBox2Id, kEditBox3Id, kButton1Id, kEditBox1Id};
    for (size_t i = 0; i + 1 < std::size(cycle); i++) {
        EXPECT_EQ(w.IdAt(NextInTabOrder(w.controls, w.IndexOf(cycle[i]), true)), cycle[i + 1])
            << std::hex << "Tab from 0x" << cycle[i];
        EXPECT_EQ(w.IdAt(NextInTabOrder(w.controls, w.IndexOf(cycle[i + 1]), false)), cycle[i])
            << std::hex << "Shift+Tab from 0x" << cycle[i + 1];
    }
    // The disabled result box, the hidden box, labels and the picture never
    // take the focus by Tab.
    for (uint32_t id : {kEditBox5Id, kEditBox4Id, kLabel1Id, kLabelHorizontalId, kLabel6Id, kPictureBox1Id}) {
        EXPECT_FALSE(IsTabCandidate(w.controls[w.IndexOf(id)])) << std::hex << "0x" << id;
    }
}

// Synthetic windows: each control is {exists, visible, enabled, tabStop,
// traits, tabOrder}, listed in creation order.
TEST(TabOrder, Rules) {
    const FocusCandidate edit{true, true, true, true, kTraitsEditBox, 0};
    auto numbered = [](FocusCandidate c, int32_t tabOrder) {
        c.tabOrder = tabOrder;
        return c;
    };
    const FocusCandidate noStop{true, true, true, false, kTraitsEditBox, 0};
    const FocusCandidate label{true, true, true, false, kTraitsLabel, 0};
    struct Case {
        const char* what;
        std::vector<FocusCandidate> controls;
        int focused;
        bool forward;
        int expected;
    };
    const Case cases[] = {
        {"tabOrder first, creation order on ties", {numbered(edit, 2), numbered(edit, 1), numbered(edit, 1)}, 1,
         true, 2},
        {"higher number comes after equal ones", {numbered(edit, 2), numbered(edit, 1), numbered(edit, 1)}, 2, true,
         0},
        {"forward wraps to the smallest number", {numbered(edit, 2), numbered(edit, 1), numbered(edit, 1)}, 0, true,
         1},
        {"backward wraps to the largest number", {numbered(edit, 2), numbered(edit, 1), numbered(edit, 1)}, 1, false,
         0},
        {"a lone candidate wraps to itself", {edit, noStop}, 0, true, 0},
        {"no candidate at all", {noStop, label}, 0, true, -1},
        {"nothing focused: first candidate", {noStop, edit, edit}, -1, true, 1},
        {"nothing focused, backward: last candidate", {noStop, edit, edit}, -1, false, 2},
        {"from a non-candidate: first created after it", {edit, noStop, edit, edit}, 1, true, 2},
        {"from a non-candidate: last created before it", {edit, edit, noStop, edit}, 2, false, 1},
        {"from the last non-candidate: first candidate", {edit, edit, noStop}, 2, true, 0},
        {"from the first non-candidate, backward: last candidate", {noStop, edit, edit}, 0, false, 2},
        {"from a label: first numbered not below it", {numbered(edit, 1), numbered(label, 3), numbered(edit, 5),
                                                        numbered(edit, 3)}, 1, true, 3},
        {"from a label, backward: last numbered below it", {numbered(edit, 1), numbered(edit, 2),
                                                            numbered(label, 3), numbered(edit, 3)}, 2, false, 1},
        {"from a label: no wrap forward", {numbered(edit, 1), numbered(label, 3)}, 1, true, -1},
        {"from a label: no wrap backward", {numbered(label, 1), numbered(edit, 1)}, 0, false, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NextInTabOrder(c.controls, c.focused, c.forward), c.expected) << c.what;
    }
}

TEST(TabOrder, Candidates) {
    struct Case {
        const char* what;
        FocusCandidate control;
        bool expected;
    };
    const Case cases[] = {
        {"edit box", {true, true, true, true, kTraitsEditBox, 0}, true},
        {"button", {true, true, true, true, kTraitsButton, 0}, true},
        {"not created", {false, true, true, true, kTraitsEditBox, 0}, false},
        {"hidden", {true, false, true, true, kTraitsEditBox, 0}, false},
        {"disabled", {true, true, false, true, kTraitsEditBox, 0}, false},
        {"no tab stop", {true, true, true, false, kTraitsEditBox, 0}, false},
        {"trait 0x8000", {true, true, true, true, kTraitHiddenNoFocus, 0}, false},
        {"label with tab stop", {true, true, true, true, kTraitsLabel, 0}, false},
        {"picture box with tab stop", {true, true, true, true, kTraitsPicBox, 0}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsTabCandidate(c.control), c.expected) << c.what;
    }
}

TEST(TabOrder, FirstFocusTakesSmallestNumberThenEarliest) {
    const FocusCandidate edit{true, true, true, true, kTraitsEditBox, 0};
    std::vector<FocusCandidate> controls(4, edit);
    controls[0].tabOrder = 3;
    controls[1].visible = false;
    controls[1].tabOrder = -1;
    controls[2].tabOrder = 1;
    controls[3].tabOrder = 1;
    EXPECT_EQ(FirstFocus(controls), 2);
    EXPECT_EQ(FirstFocus({}), -1);
}
