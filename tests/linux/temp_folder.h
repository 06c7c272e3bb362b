// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

namespace linux_tests {

class TempFolder {
 public:
  TempFolder() {
    char pattern[] = "/tmp/otopicco-test.XXXXXX";
    if (mkdtemp(pattern) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempFolder() { std::system(("rm -rf '" + path_ + "'").c_str()); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::string file = *this / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
  }
  std::string MakeFolder(const std::string& name) const {
    const std::string folder = *this / name;
    mkdir(folder.c_str(), 0755);
    return folder;
  }

 private:
  std::string path_;
};

}  // namespace linux_tests
