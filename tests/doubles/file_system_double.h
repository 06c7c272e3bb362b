// Folders held in memory. A pattern "folder\*.mp3" lists the folder's entries whose names end
// in ".mp3" in any case, in the order they were added, as a file system lists them.
#pragma once

#include <map>
#include <vector>

#include "platform/file_system.h"

namespace doubles {

class FileSystemDouble : public platform::FileSystem {
 public:
  std::map<std::string, std::vector<platform::DirectoryEntry>> folders;  // by native path
  std::map<std::string, std::string> files;                             // contents by name
  int entries_visited = 0;
  int writes = 0;  // stays 0: the interface has no way to write, and the program must not need one

  void AddFile(const std::string& folder, const std::string& sjis_name, uint32_t attributes = 32) {
    folders[folder].push_back({platform::PathName{sjis_name, sjis_name}, attributes});
  }
  void AddDirectory(const std::string& folder, const std::string& name, uint32_t attributes = 16) {
    folders[folder].push_back({platform::PathName{name, name}, attributes});
  }

  bool DirectoryExists(const platform::PathName& path) override {
    return folders.count(path.native) > 0;
  }
  bool FindFiles(const platform::PathName& pattern,
                 const std::function<bool(const platform::DirectoryEntry&)>& visit) override {
    const auto slash = pattern.native.rfind('\\');
    const std::string folder = pattern.native.substr(0, slash);
    const auto found = folders.find(folder);
    if (found == folders.end()) return false;
    bool any = false;
    for (const auto& entry : found->second) {
      if (!EndsWithMp3(entry.name.native)) continue;
      any = true;
      ++entries_visited;
      if (!visit(entry)) break;
    }
    return any;
  }
  std::optional<std::string> ReadFile(const platform::PathName& path) override {
    const auto found = files.find(path.native);
    if (found == files.end()) return std::nullopt;
    return found->second;
  }

 private:
  static bool EndsWithMp3(const std::string& name) {
    if (name.size() < 4) return false;
    std::string tail = name.substr(name.size() - 4);
    for (auto& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".mp3";
  }
};

}  // namespace doubles
