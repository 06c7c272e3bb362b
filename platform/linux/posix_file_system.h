// The file system of the Linux build: names are the system's own bytes, each kept beside its
// Shift-JIS form; paths use "/".
#pragma once

#include <string>

#include "platform/file_system.h"

namespace platform::linux_impl {

// The order in which a folder's songs are listed: byte order of the names with ASCII letters
// compared as capitals, then plain byte order between names that differ only in case.
//
// A Linux file system lists a folder in an order of its own (hash order on ext4), which would
// number the songs at random. A teacher numbers files 01, 02, ... and expects that order; Windows
// (NTFS) lists a folder by its upper-cased names, so a folder copied from a Windows PC keeps the
// numbers its songs had there. The order does not depend on the user's locale, so every machine
// numbers the same folder alike.
bool ListedBefore(const std::string& a, const std::string& b);

class PosixFileSystem : public FileSystem {
 public:
  bool DirectoryExists(const PathName& path) override;
  bool ListFolder(const PathName& folder,
                  const std::function<bool(const FolderEntry&)>& visit) override;
  std::optional<std::string> ReadFile(const PathName& path) override;
  PathName Join(const PathName& folder, const PathName& name) const override;
  PathName ProgramName() const override;
  PathName ProgramFolder() const override;
};

// The bytes the system opens for a path. A path the program made from Shift-JIS text alone (no
// native form) is converted, so it names the file that the text shows.
std::string NativePath(const PathName& path);

// A name or path of the system in both of its forms.
PathName NativeName(const std::string& native);

}  // namespace platform::linux_impl
