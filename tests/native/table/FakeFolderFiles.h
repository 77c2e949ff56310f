#pragma once
// Files in memory behind the core's file primitives, with failures and a
// kill injected: `failAt` names target paths (or whole steps, "move a > b")
// that fail; after `killAfter` changing steps the next one throws Killed, as
// if the process had ended there.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "table/FolderFiles.h"

struct Killed {};

template <class Interface = panel::IFolderFiles>
struct FakeFolderFiles : Interface {
  std::map<std::string, std::string> files;
  std::set<std::string> folders;
  std::set<std::string> failAt;
  std::vector<std::string> steps;
  std::string now = "20261208-101500";
  int killAfter = -1;

  std::optional<std::string> ReadWholeFile(const std::string& path) override {
    return files.count(path) ? std::optional(files.at(path)) : std::nullopt;
  }
  bool WriteWholeFile(const std::string& path, const std::string& bytes) override {
    return Step("write " + path, path) && (files[path] = bytes, true);
  }
  bool CopyReplacing(const std::string& from, const std::string& to) override {
    return files.count(from) && Step("copy " + from + " > " + to, to) && (files[to] = files.at(from), true);
  }
  // A file, or a folder with everything under it.
  bool MoveReplacing(const std::string& from, const std::string& to) override {
    if (!Step("move " + from + " > " + to, to) || !(files.count(from) || folders.erase(from))) return false;
    for (const std::string& path : Under(from)) {
      files[to + path.substr(from.size())] = files.at(path);
      files.erase(path);
    }
    if (!files.count(to)) folders.insert(to);
    return true;
  }
  bool MakeFolder(const std::string& path) override { return Step("make " + path, path) && (folders.insert(path), true); }
  bool FileExists(const std::string& path) override { return files.count(path) != 0; }
  std::vector<std::string> FolderNames(const std::string& folder) override {
    std::set<std::string> names;
    for (const std::string& path : Under(folder, true)) {
      if (path != folder) names.insert(path.substr(folder.size() + 1, path.find('\\', folder.size() + 1) - folder.size() - 1));
    }
    return {names.begin(), names.end()};
  }
  bool RemoveFile(const std::string& path) override {
    return !files.count(path) || (Step("remove " + path, path) && files.erase(path));
  }
  void RemoveTree(const std::string& path) override {
    const std::vector<std::string> doomed = Under(path, true);
    if (doomed.empty() || !Step("remove " + path, path)) return;
    for (const std::string& p : doomed) files.erase(p), folders.erase(p);
  }
  std::string Timestamp() override { return now; }

  // Our temporaries and step records anywhere.
  std::vector<std::string> Leftovers() const {
    std::vector<std::string> found;
    for (const auto& file : files) {
      if (file.first.find("\\~") != std::string::npos) found.push_back(file.first);
    }
    return found;
  }

 private:
  // The files (and with `withFolders` the folders) at or under `path`.
  std::vector<std::string> Under(const std::string& path, bool withFolders = false) const {
    std::vector<std::string> found;
    const auto add = [&](const std::string& p) {
      if (p == path || p.rfind(path + "\\", 0) == 0) found.push_back(p);
    };
    for (const auto& file : files) add(file.first);
    if (withFolders) for (const std::string& folder : folders) add(folder);
    return found;
  }
  bool Step(const std::string& step, const std::string& target) {
    if (killAfter == 0) throw Killed{};
    if (killAfter > 0) --killAfter;
    steps.push_back(step);
    return !failAt.count(target) && !failAt.count(step);
  }
};
