#pragma once
#include <string>

namespace panel {

// Yes/No questions asked while a table is read, checked and saved; the
// Windows side answers with a message box, tests with a script.
struct IAskUser {
  virtual ~IAskUser() = default;
  // true = Yes.
  virtual bool AskYesNo(const std::string& textSjis, const std::string& captionSjis) = 0;
};

// Reading only to look: whatever the reader could ask, it may go on.
struct GoOnAsker : IAskUser {
  bool AskYesNo(const std::string&, const std::string&) override { return true; }
};

}  // namespace panel
