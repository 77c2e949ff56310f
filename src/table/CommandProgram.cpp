#include "table/CommandProgram.h"

#include <algorithm>
#include <vector>

#include "table/SjisPath.h"

namespace panel {

namespace {

// Blanks, TABs, quotes and '/' are below 0x40: none is the trail byte of a
// double-byte character, so the line is searched byte by byte.
bool IsSeparator(char c) { return c == ' ' || c == '\t'; }

std::string WithBackslashes(std::string_view path) {
  std::string out(path);
  std::replace(out.begin(), out.end(), '/', '\\');
  return out;
}

bool IsFullPath(std::string_view path) {
  const bool drive = path.size() >= 3 && path[1] == ':' && path[2] == '\\' &&
                     ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  return drive || path.starts_with("\\\\");
}

bool HasExtension(std::string_view path) {
  const size_t slash = LastSjisBackslash(path);
  return path.find('.', slash == std::string_view::npos ? 0 : slash + 1) != std::string_view::npos;
}

std::string WithExe(std::string path) { return HasExtension(path) ? path : path + ".exe"; }

bool EndsLikeAProgram(std::string_view path) {
  if (path.size() < 4) return false;
  std::string end(path.substr(path.size() - 4));
  for (char& c : end) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return end == ".exe" || end == ".com" || end == ".bat" || end == ".cmd";
}

// The texts the system tries, shortest first: a quoted word alone, else the
// text up to the end of each word.
std::vector<std::string_view> Candidates(std::string_view line) {
  if (line.front() == '"') {
    line.remove_prefix(1);
    return {line.substr(0, line.find('"'))};
  }
  std::vector<std::string_view> candidates;
  for (size_t i = 1; i <= line.size() && i <= kMaxProgramPathBytes; ++i) {
    if ((i == line.size() || IsSeparator(line[i])) && !IsSeparator(line[i - 1])) candidates.push_back(line.substr(0, i));
  }
  if (candidates.empty()) candidates.push_back(line.substr(0, kMaxProgramPathBytes + 1));  // one word too long to be a path
  return candidates;
}

}  // namespace

CommandProgram ResolveProgram(std::string_view commandLine, const std::function<bool(const std::string&)>& isFile) {
  const size_t start = commandLine.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  const std::vector<std::string_view> candidates = Candidates(commandLine.substr(start));
  CommandProgram result;
  result.program = WithBackslashes(candidates.front());
  result.fullPath = IsFullPath(result.program);
  if (!result.fullPath || result.program.empty()) return result;
  for (std::string_view candidate : candidates) {
    if (candidate.size() > kMaxProgramPathBytes) break;
    std::string path = WithExe(WithBackslashes(candidate));
    if (isFile(path)) return {std::move(path), true, true};
  }
  // None is there: the one to name is the first that ends like a program.
  const auto named = std::find_if(candidates.begin(), candidates.end(), EndsLikeAProgram);
  if (named != candidates.end()) result.program = WithBackslashes(*named);
  return result;
}

}  // namespace panel
