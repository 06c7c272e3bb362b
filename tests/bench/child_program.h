// A program a benchmark starts in a folder of its own, with its output in a file (or its input
// from a pipe the benchmark writes to), and ends when it is done with it.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace bench {

class ChildProgram {
 public:
  // Starts ARGV in FOLDER, standard output and error appended to LOG. With `piped_input`, its
  // standard input is a pipe that Send writes to.
  ChildProgram(const std::vector<std::string>& argv, const std::string& folder,
               const std::string& log, bool piped_input = false);
  ~ChildProgram();  // ends the program (SIGTERM) and waits for it
  ChildProgram(const ChildProgram&) = delete;
  ChildProgram& operator=(const ChildProgram&) = delete;

  pid_t Pid() const { return pid_; }
  bool Running();
  void Send(const std::string& line);  // one line to the program's standard input

 private:
  pid_t pid_ = -1;
  int input_ = -1;
};

}  // namespace bench
