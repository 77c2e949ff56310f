#pragma once
#include <string>
#include <vector>

#include "table/AskUser.h"

// Answers every question with `answer` and records what was asked.
struct ScriptedAsk : panel::IAskUser {
  explicit ScriptedAsk(bool answer = true) : answer(answer) {}
  bool AskYesNo(const std::string& text, const std::string& caption) override {
    asked.push_back(text);
    captions.push_back(caption);
    return answer;
  }
  bool answer;
  std::vector<std::string> asked;
  std::vector<std::string> captions;
};
