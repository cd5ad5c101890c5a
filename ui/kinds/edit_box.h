#pragma once
// The edit box kind (kind 5, "编辑框" / EditBox): a platform EDIT window with
// the kind's colours, one vertically centred line of text when single-line,
// input-mode filters and the events 0 (content changed), -7 (got the focus)
// and -8 (lost the focus).
//
// Not supported: spin buttons (spinMode 1 and 2 are kept and saved but make
// no up-down control), the normalising of the text by the number and date
// input modes when the box loses the focus (their typing filters work), and
// data-source binding (dataSource and dataColumn are kept and saved only).
struct ControlKind;

extern const ControlKind kEditBoxKind;
