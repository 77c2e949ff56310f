#pragma once
// Opening a table for editing: read, check, then the edit window, modal and
// owned by `owner`. Returns when the edit window has closed or the opening
// failed (its message shown). The table lives only inside the call.
#include <windows.h>

#include <optional>
#include <string>

// The identifier a user typed, when it is one ASCII letter or digit.
std::optional<char> TableIdentifierOf(const std::wstring& typed);

void OpenTableFile(HWND owner, const std::string& tablePathSjis);
