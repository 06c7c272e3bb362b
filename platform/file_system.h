// What the program needs of the file system: it only ever reads, and does its path work here,
// with the platform's own separator.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/text.h"

namespace platform {

struct FolderEntry {
  PathName name;  // without folder
  bool is_directory;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // True only for an existing directory (a file of that name does not count). Relative paths are
  // taken from the current working directory, here and everywhere below.
  virtual bool DirectoryExists(const PathName& path) = 0;

  // Lists every entry of the folder, hidden and system ones included ("." and ".." left out), in
  // the order the platform defines for it, until `visit` returns false. Returns false, visiting
  // nothing, when the folder cannot be listed (it does not exist, is not a folder, cannot be
  // read).
  virtual bool ListFolder(const PathName& folder,
                          const std::function<bool(const FolderEntry&)>& visit) = 0;

  // The bytes of a file, or nothing when it cannot be opened or read.
  virtual std::optional<std::string> ReadFile(const PathName& path) = 0;

  // The folder, exactly one separator and the name, whatever the folder ends with.
  virtual PathName Join(const PathName& folder, const PathName& name) const = 0;

  // The running program file's name without its folder ("otopicco.exe").
  virtual PathName ProgramName() const = 0;
  // The folder that holds the running program file, as the folder tree takes it.
  virtual PathName ProgramFolder() const = 0;
};

}  // namespace platform
