// Directory test, folder listing and file reading over POSIX calls. Nothing here writes.
#include "platform/linux/posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "platform/linux/iconv_codec.h"

namespace platform::linux_impl {
namespace {

unsigned char Capital(unsigned char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }

// Whether a folder entry is a directory. A symbolic link counts as what it points to (a link to
// a folder of songs is a folder); file systems that do not report types need a stat as well.
bool IsDirectory(int folder_fd, const dirent& entry) {
  switch (entry.d_type) {
    case DT_DIR:
      return true;
    case DT_LNK:
    case DT_UNKNOWN: {
      struct stat status;
      return fstatat(folder_fd, entry.d_name, &status, 0) == 0 && S_ISDIR(status.st_mode);
    }
    default:
      return false;
  }
}

class Folder {
 public:
  explicit Folder(const std::string& path) : dir_(opendir(path.c_str())) {}
  ~Folder() {
    if (dir_ != nullptr) closedir(dir_);
  }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  DIR* get() const { return dir_; }

 private:
  DIR* dir_;
};

std::string ReadLink(const char* path) {
  std::string target(256, '\0');
  for (;;) {
    const ssize_t length = readlink(path, &target[0], target.size());
    if (length < 0) return std::string();
    if (static_cast<size_t>(length) < target.size()) {
      target.resize(static_cast<size_t>(length));
      return target;
    }
    target.resize(target.size() * 2);  // cut off: a long path
  }
}

}  // namespace

bool ListedBefore(const std::string& a, const std::string& b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const unsigned char x = Capital(static_cast<unsigned char>(a[i]));
    const unsigned char y = Capital(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;  // same but for case: capitals first, always the same way
}

std::string NativePath(const PathName& path) {
  if (!path.native.empty() || path.sjis.empty()) return path.native;
  return IconvCodec::Utf16ToUtf8(IconvCodec().SjisToUtf16(path.sjis));
}

PathName NativeName(const std::string& native) {
  return PathName{IconvCodec::Utf8ToSjis(native), native};
}

bool PosixFileSystem::DirectoryExists(const PathName& path) {
  struct stat status;
  return stat(NativePath(path).c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool PosixFileSystem::ListFolder(const PathName& folder,
                                 const std::function<bool(const FolderEntry&)>& visit) {
  struct Listed {
    std::string native;
    bool is_directory;
  };
  std::vector<Listed> entries;
  {
    Folder listing(NativePath(folder));
    if (listing.get() == nullptr) return false;
    const int folder_fd = dirfd(listing.get());
    for (;;) {
      errno = 0;
      const dirent* entry = readdir(listing.get());
      if (entry == nullptr) {
        if (errno != 0) return false;  // a read error: no half list
        break;
      }
      const std::string name = entry->d_name;
      if (name == "." || name == "..") continue;
      entries.push_back(Listed{name, IsDirectory(folder_fd, *entry)});
    }
  }
  // A folder may hold 100,000 entries while the player stops after a few dozen songs: the
  // entries come off a heap in listing order, and only those visited are converted to Shift-JIS,
  // so start-up stays about as quick as with a small folder.
  const auto listed_later = [](const Listed& a, const Listed& b) { return ListedBefore(b.native, a.native); };
  std::make_heap(entries.begin(), entries.end(), listed_later);
  for (auto end = entries.end(); end != entries.begin(); --end) {
    std::pop_heap(entries.begin(), end, listed_later);
    const Listed& entry = *(end - 1);
    if (!visit(FolderEntry{NativeName(entry.native), entry.is_directory})) break;
  }
  return true;
}

std::optional<std::string> PosixFileSystem::ReadFile(const PathName& path) {
  const int fd = open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  char buffer[16384];
  for (;;) {
    const ssize_t count = read(fd, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) {  // a folder, or a read error
      close(fd);
      return std::nullopt;
    }
    if (count == 0) break;
    bytes.append(buffer, static_cast<size_t>(count));
  }
  close(fd);
  return bytes;
}

PathName PosixFileSystem::Join(const PathName& folder, const PathName& name) const {
  return PathName{folder.sjis + "/" + name.sjis, NativePath(folder) + "/" + NativePath(name)};
}

PathName PosixFileSystem::ProgramName() const {
  const std::string path = ReadLink("/proc/self/exe");
  return NativeName(path.substr(path.rfind('/') + 1));
}

PathName PosixFileSystem::ProgramFolder() const {
  const std::string path = ReadLink("/proc/self/exe");
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return PathName{};
  return NativeName(slash == 0 ? std::string("/") : path.substr(0, slash));
}

}  // namespace platform::linux_impl
