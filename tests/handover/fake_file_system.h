// An in-memory folder tree for the native tests of the tree copy: listing order is creation
// order, and single calls can be made to fail.
#pragma once

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "handover/file_system.h"

namespace handover {

class FakeFileSystem : public FileSystem {
 public:
  struct Node {
    uint32_t attributes = 0;
    uint64_t writeTime = 0;
    std::string content;
    std::vector<std::string> children;  // names, in listing order
  };

  FakeFileSystem() { nodes_["C:"].attributes = kAttrDirectory; }

  void AddFolder(const std::string& path, uint32_t attributes = 0) {
    Add(path, attributes | kAttrDirectory, 0, "");
  }
  void AddFile(const std::string& path, const std::string& content, uint64_t writeTime = 1,
               uint32_t attributes = 0) {
    Add(path, attributes, writeTime, content);
  }
  bool Has(const std::string& path) const { return nodes_.count(path) != 0; }
  const Node& At(const std::string& path) const { return nodes_.at(path); }

  std::set<std::string> failCopyTo, failCreate, failClose;
  std::map<std::string, uint32_t> listEndError;  // folder pattern -> error instead of 18
  std::vector<std::string> log;                  // "copy", "mkdir" and "list" calls in order
  uint32_t windowsFolderLength = 0;              // 0: the real length of windowsFolder
  std::string windowsFolder = "C:\\windows";

  Search FindFirst(const char* pattern, FolderEntry& entry) override {
    std::string p = pattern;
    Open open;
    if (p.size() >= 4 && p.compare(p.size() - 4, 4, "\\*.*") == 0) {
      log.push_back("list " + p);
      const std::string folder = p.substr(0, p.size() - 4);
      auto it = nodes_.find(folder);
      if (it == nodes_.end() || !(it->second.attributes & kAttrDirectory)) return 0;
      open.entries.push_back(Entry(".", it->second));
      open.entries.push_back(Entry("..", it->second));
      for (const std::string& name : it->second.children)
        open.entries.push_back(Entry(name, nodes_[folder + "\\" + name]));
      auto error = listEndError.find(p);
      if (error != listEndError.end()) open.endError = error->second;
      open.folder = p;
    } else {
      auto it = nodes_.find(p);
      if (it == nodes_.end()) return 0;
      open.entries.push_back(Entry(p.substr(p.rfind('\\') + 1), it->second));
    }
    entry = open.entries[0];
    searches_.push_back(open);
    return searches_.size();
  }

  uint32_t FindNext(Search search, FolderEntry& entry) override {
    Open& open = searches_.at(search - 1);
    if (++open.position >= open.entries.size()) return open.endError;
    entry = open.entries[open.position];
    return 0;
  }

  bool FindClose(Search search) override { return failClose.count(searches_.at(search - 1).folder) == 0; }

  bool CreateFolder(const char* path) override {
    log.push_back(std::string("mkdir ") + path);
    if (failCreate.count(path) || Has(path) || !Has(Parent(path))) return false;
    AddFolder(path);
    return true;
  }

  bool CopyFileTo(const char* from, const char* to, bool failIfExists) override {
    log.push_back(std::string("copy ") + from + " -> " + to + (failIfExists ? " (new)" : ""));
    if (failCopyTo.count(to) || !Has(from) || !Has(Parent(to))) return false;
    auto target = nodes_.find(to);
    if (target != nodes_.end()) {
      if (failIfExists || (target->second.attributes & (kAttrDirectory | kAttrReadOnly))) return false;
      target->second.content = nodes_[from].content;
      target->second.writeTime = nodes_[from].writeTime;
      return true;
    }
    const Node& source = nodes_[from];
    AddFile(to, source.content, source.writeTime, source.attributes & ~kAttrReadOnly);
    return true;
  }

  uint32_t WindowsFolder(char* buffer, uint32_t size) override {
    const uint32_t length = windowsFolderLength ? windowsFolderLength : windowsFolder.size();
    if (length + 1 > size) return length + 1;
    std::memcpy(buffer, windowsFolder.c_str(), length + 1);
    return length;
  }

 private:
  struct Open {
    std::vector<FolderEntry> entries;
    size_t position = 0;
    uint32_t endError = kErrorNoMoreFiles;
    std::string folder;
  };

  static std::string Parent(const std::string& path) { return path.substr(0, path.rfind('\\')); }

  static FolderEntry Entry(const std::string& name, const Node& node) {
    FolderEntry entry = {};
    std::strncpy(entry.name, name.c_str(), sizeof entry.name - 1);
    entry.attributes = node.attributes;
    entry.writeHigh = static_cast<uint32_t>(node.writeTime >> 32);
    entry.writeLow = static_cast<uint32_t>(node.writeTime);
    return entry;
  }

  void Add(const std::string& path, uint32_t attributes, uint64_t writeTime, const std::string& content) {
    Node& node = nodes_[path];
    node.attributes = attributes;
    node.writeTime = writeTime;
    node.content = content;
    const std::string parent = Parent(path);
    if (parent != path) nodes_[parent].children.push_back(path.substr(parent.size() + 1));
  }

  std::map<std::string, Node> nodes_;
  std::vector<Open> searches_;
};

}  // namespace handover
