#pragma once
// Files in memory behind the core's file primitives, with failures and a
// kill injected: `failAt` names target paths (or whole steps, "move a > b")
// whose write, copy, move, removal or folder fails; after `killAfter` changing steps every further one throws
// Killed, as if the process had ended there.
#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "table/FolderFiles.h"

struct Killed {};

template <class Interface = IFolderFiles>
struct FakeFolderFiles : Interface {
  std::map<std::string, std::string> files;
  std::set<std::string> folders;
  std::set<std::string> failAt;
  std::vector<std::string> steps;
  std::string now = "20261208-101500";
  int killAfter = -1;

  std::optional<std::string> ReadWholeFile(const std::string& path) override {
    const auto found = files.find(path);
    if (found == files.end()) return std::nullopt;
    return found->second;
  }
  bool WriteWholeFile(const std::string& path, const std::string& bytes) override {
    if (!Step("write " + path, path)) return false;
    files[path] = bytes;
    return true;
  }
  bool CopyReplacing(const std::string& from, const std::string& to) override {
    if (!files.count(from) || !Step("copy " + from + " > " + to, to)) return false;
    files[to] = files.at(from);
    return true;
  }
  bool MoveReplacing(const std::string& from, const std::string& to) override {
    if (!Step("move " + from + " > " + to, to)) return false;
    if (files.count(from)) {
      files[to] = files.at(from);
      files.erase(from);
      return true;
    }
    if (!folders.count(from) || folders.count(to)) return false;
    std::map<std::string, std::string> moved;
    for (auto it = files.begin(); it != files.end();) {
      if (it->first.rfind(from + "\\", 0) == 0) {
        moved[to + it->first.substr(from.size())] = it->second;
        it = files.erase(it);
      } else {
        ++it;
      }
    }
    files.merge(moved);
    folders.erase(from);
    folders.insert(to);
    return true;
  }
  bool MakeFolder(const std::string& path) override {
    if (!Step("make " + path, path)) return false;
    folders.insert(path);
    return true;
  }
  bool FileExists(const std::string& path) override { return files.count(path) != 0; }
  std::vector<std::string> FolderNames(const std::string& folder) override {
    std::set<std::string> names;
    const auto add = [&](const std::string& path) {
      if (path.rfind(folder + "\\", 0) != 0) return;
      const std::string rest = path.substr(folder.size() + 1);
      names.insert(rest.substr(0, rest.find('\\')));
    };
    for (const auto& file : files) add(file.first);
    for (const std::string& path : folders) add(path);
    return {names.begin(), names.end()};
  }
  bool RemoveFile(const std::string& path) override {
    if (!files.count(path)) return true;
    if (!Step("remove " + path, path)) return false;
    files.erase(path);
    return true;
  }
  void RemoveTree(const std::string& path) override {
    const bool there = folders.count(path) || std::any_of(files.begin(), files.end(), [&](const auto& file) {
      return file.first == path || file.first.rfind(path + "\\", 0) == 0;
    });
    if (!there || !Step("remove " + path, path)) return;
    std::erase_if(files, [&](const auto& file) { return file.first == path || file.first.rfind(path + "\\", 0) == 0; });
    std::erase_if(folders, [&](const std::string& f) { return f == path || f.rfind(path + "\\", 0) == 0; });
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
  bool Step(const std::string& step, const std::string& target) {
    if (killAfter == 0) throw Killed{};
    if (killAfter > 0) --killAfter;
    steps.push_back(step);
    return !failAt.count(target) && !failAt.count(step);
  }
};
