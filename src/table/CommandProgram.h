#pragma once
// Which program a command line runs, found the way the system finds it when
// the host program starts the line.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace panel {

// The longest program path tried: the system's 260 characters, each at most
// two Shift-JIS bytes. Longer candidates cannot name a program, and leaving
// them out keeps the search linear in the length of the line.
inline constexpr std::size_t kMaxProgramPathBytes = 2 * 260;

struct CommandProgram {
  std::string program;    // the file found, or the one to name when none is; "" for a line without one
  bool fullPath = false;  // a drive or server path; else a name the system searches for when the line runs
  bool found = false;     // only ever true for a full path
};

// Leading blanks and TABs are skipped. A quoted first word is the program as
// it stands; unquoted, the text up to each blank or TAB is tried in turn, as
// the system does ("C:\Program", then "C:\Program Files\tool\run.exe" for
// "C:\Program Files\tool\run.exe --arg 1"). A candidate without an extension
// is tried with ".exe". '/' separates folders like '\'. `isFile` is asked only
// about full paths, never about longer ones than kMaxProgramPathBytes.
CommandProgram ResolveProgram(std::string_view commandLine, const std::function<bool(const std::string&)>& isFile);

}  // namespace panel
