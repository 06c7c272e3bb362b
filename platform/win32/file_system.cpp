// Directory test, directory search and file reading over the W functions. Nothing here writes.
#include "platform/win32/file_system.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace platform::win32 {
namespace {

// Closes a search or a file however the work on it ends, also when a visit raises.
template <BOOL(WINAPI* kClose)(HANDLE)>
class ScopedHandle {
 public:
  explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
  ~ScopedHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) kClose(handle_);
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

using SearchHandle = ScopedHandle<FindClose>;
using FileHandle = ScopedHandle<CloseHandle>;

}  // namespace

bool Win32FileSystem::DirectoryExists(const PathName& path) {
  const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32FileSystem::FindFiles(const PathName& pattern,
                                const std::function<bool(const DirectoryEntry&)>& visit) {
  WIN32_FIND_DATAW data;
  SearchHandle search(FindFirstFileW(WidePath(pattern).c_str(), &data));
  if (search.get() == INVALID_HANDLE_VALUE) return false;
  do {
    const DirectoryEntry entry{NameFromWide(data.cFileName), data.dwFileAttributes};
    if (!visit(entry)) break;
  } while (FindNextFileW(search.get(), &data));
  return true;
}

std::optional<std::string> Win32FileSystem::ReadFile(const PathName& path) {
  // Others may keep the file open for writing or deleting; we only read it.
  FileHandle file(CreateFileW(WidePath(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[16384];
  for (;;) {
    DWORD read = 0;
    if (!::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) return std::nullopt;
    if (read == 0) break;
    bytes.append(buffer, read);
  }
  return bytes;
}

PathName ProgramFileName() {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD capacity = static_cast<DWORD>(name.size());
    const DWORD length = GetModuleFileNameW(nullptr, &name[0], capacity);
    if (length == 0) return PathName{};
    if (length < capacity) {
      name.resize(length);
      return NameFromWide(name);
    }
    name.resize(name.size() * 2);  // cut off: a long path
  }
}

}  // namespace platform::win32
