// The file system as the program sees it on Windows: read-only, through the W functions, with
// the backslash as the separator.
#pragma once

#include "platform/file_system.h"

namespace platform::win32 {

class Win32FileSystem : public FileSystem {
 public:
  bool DirectoryExists(const PathName& path) override;
  bool ListFolder(const PathName& folder,
                  const std::function<bool(const FolderEntry&)>& visit) override;
  std::optional<std::string> ReadFile(const PathName& path) override;
  PathName Join(const PathName& folder, const PathName& name) const override;
  PathName ProgramName() const override;
  PathName ProgramFolder() const override;
};

}  // namespace platform::win32
