#pragma once
// Accessible names of standard controls: a screen reader reads a field by the
// name of its label. The system finds a label only where it lies just before
// the field among its siblings, which tab order and layout do not keep; so
// each field is told its label's words and answers them itself.
#include <windows.h>

#include <string>

namespace winui {

// The control answers accessibility clients with `name` (everything else as the system's).
void SetAccessibleName(HWND control, const std::wstring& name);
// The name is the label's text, without a mnemonic's & and a closing colon.
void NameAfterLabel(HWND control, HWND label);
// Names a field just created after the label made just before it or, first in
// a group box, after the box's caption. CreateEdit does this for every field.
void NameAfterLabelBefore(HWND field);

}  // namespace winui
