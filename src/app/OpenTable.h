#pragma once
// Opening a table for editing: read, check, then the edit window, modal and
// owned by `owner`. Returns when the edit window has closed or the opening
// failed (its message shown). The table lives only inside the call.
#include <windows.h>

#include <optional>
#include <string>

// The identifier a user typed, when it is one ASCII letter or digit.
std::optional<char> TableIdentifierOf(const std::wstring& typed);

class TOptionMdl;

// The data module given to a tab or window; a missing one is a fault of the program.
TOptionMdl& DataModuleOf(TOptionMdl* options);

// The edit window works with `options` (learning, sending, the relay port).
// When the panel has a recovery copy of unsaved work, the user is first asked
// whether to restore it, unless the panel has just been made anew: a copy
// then belongs to the panel its files replaced, and stays for the next start.
enum class RecoveryOffer { Ask, NotForNewPanel };
void OpenTableFile(HWND owner, TOptionMdl& options, const std::string& tablePathSjis,
                   RecoveryOffer offer = RecoveryOffer::Ask);

// At start: for each panel of the work folder with a recovery copy, asks
// whether to restore it and, on Yes, opens it with the work restored.
void OfferRecoveryAtStart(HWND owner, TOptionMdl& options);
