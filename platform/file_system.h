// What the program needs of the file system: it only ever reads.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/text.h"

namespace platform {

constexpr uint32_t kAttributeDirectory = 16;

struct DirectoryEntry {
  PathName name;  // without folder
  uint32_t attributes;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // True only for an existing directory (a file of that name does not count). Relative paths are
  // taken from the current working directory.
  virtual bool DirectoryExists(const PathName& path) = 0;
  // Lists the entries matching a wildcard pattern (matched case-insensitively, no attribute
  // excluded) in the order the file system gives them, until `visit` returns false. Returns false
  // when the search found no entry at all.
  virtual bool FindFiles(const PathName& pattern,
                         const std::function<bool(const DirectoryEntry&)>& visit) = 0;
  // The bytes of a file, or nothing when it cannot be opened or read.
  virtual std::optional<std::string> ReadFile(const PathName& path) = 0;
};

}  // namespace platform
