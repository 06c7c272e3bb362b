// Directory test, folder listing, file reading and path work over the W functions. Nothing here
// writes.
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

bool EndsWithSeparator(const std::wstring& path) {
  const wchar_t last = path.empty() ? L'\0' : path.back();
  return last == L'\\' || last == L'/' || last == L':';
}

// The running program file's full path, however long it is; empty when the system cannot say.
std::wstring ProgramPath() {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD capacity = static_cast<DWORD>(name.size());
    const DWORD length = GetModuleFileNameW(nullptr, &name[0], capacity);
    if (length == 0) return std::wstring();
    if (length < capacity) {
      name.resize(length);
      return name;
    }
    name.resize(name.size() * 2);  // cut off: a long path
  }
}

// Where the folder part of the program's path ends: after its last "\" or ":".
size_t FolderEnd(const std::wstring& path) {
  const size_t last = path.find_last_of(L"\\:");
  return last == std::wstring::npos ? 0 : last + 1;
}

}  // namespace

bool Win32FileSystem::DirectoryExists(const PathName& path) {
  const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32FileSystem::ListFolder(const PathName& folder,
                                 const std::function<bool(const FolderEntry&)>& visit) {
  std::wstring pattern = WidePath(folder);
  if (pattern.empty()) return false;  // no folder at all, not the current drive's root
  if (!EndsWithSeparator(pattern)) pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW data;
  SearchHandle search(FindFirstFileW(pattern.c_str(), &data));
  if (search.get() == INVALID_HANDLE_VALUE) return false;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    const FolderEntry entry{NameFromWide(name), (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0};
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

PathName Win32FileSystem::Join(const PathName& folder, const PathName& name) const {
  // Exactly one backslash goes between, whatever the folder ends with.
  const auto native = [](const PathName& path) {
    return path.native.empty() ? WideToUtf8(WidePath(path)) : path.native;
  };
  return PathName{folder.sjis + "\\" + name.sjis, native(folder) + "\\" + native(name)};
}

PathName Win32FileSystem::ProgramName() const {
  const std::wstring path = ProgramPath();
  return NameFromWide(path.substr(FolderEnd(path)));
}

PathName Win32FileSystem::ProgramFolder() const {
  // Up to and with its last backslash, as the folder tree parses it.
  const std::wstring path = ProgramPath();
  return NameFromWide(path.substr(0, FolderEnd(path)));
}

}  // namespace platform::win32
