// The file system as the program sees it on Windows: read-only, through the W functions.
#pragma once

#include "platform/file_system.h"

namespace platform::win32 {

class Win32FileSystem : public FileSystem {
 public:
  bool DirectoryExists(const PathName& path) override;
  bool FindFiles(const PathName& pattern,
                 const std::function<bool(const DirectoryEntry&)>& visit) override;
  std::optional<std::string> ReadFile(const PathName& path) override;
};

// Full path of the running program file, however long it is.
PathName ProgramFileName();

}  // namespace platform::win32
