// Folders held in memory. A folder lists its entries, files and directories alike, in the order
// they were added, as a file system lists them. Paths are joined with "/", so a program that wrote
// its own separator would be caught.
#pragma once

#include <map>
#include <vector>

#include "platform/file_system.h"

namespace doubles {

class FileSystemDouble : public platform::FileSystem {
 public:
  std::map<std::string, std::vector<platform::FolderEntry>> folders;  // by native path
  std::map<std::string, std::string> files;                          // contents by native path
  int entries_visited = 0;
  // A file system that lists on after being told to stop: the program must not rely on it.
  bool ignores_stop = false;

  void AddFile(const std::string& folder, const std::string& sjis_name) {
    folders[folder].push_back({platform::PathName{sjis_name, sjis_name}, false});
  }
  void AddDirectory(const std::string& folder, const std::string& name) {
    folders[folder].push_back({platform::PathName{name, name}, true});
  }

  bool DirectoryExists(const platform::PathName& path) override {
    return folders.count(path.native) > 0;
  }
  bool ListFolder(const platform::PathName& folder,
                  const std::function<bool(const platform::FolderEntry&)>& visit) override {
    const auto found = folders.find(folder.native);
    if (found == folders.end()) return false;
    for (const auto& entry : found->second) {
      ++entries_visited;
      if (!visit(entry) && !ignores_stop) break;
    }
    return true;
  }
  std::optional<std::string> ReadFile(const platform::PathName& path) override {
    const auto found = files.find(path.native);
    if (found == files.end()) return std::nullopt;
    return found->second;
  }
  platform::PathName Join(const platform::PathName& folder,
                          const platform::PathName& name) const override {
    return platform::PathName{folder.sjis + "/" + name.sjis, folder.native + "/" + name.native};
  }
  platform::PathName ProgramName() const override { return platform::PathName::Ascii("Otopicco.exe"); }
  platform::PathName ProgramFolder() const override {
    return platform::PathName::Ascii("/opt/Otopicco/");
  }
};

}  // namespace doubles
