#include "tests/bench/child_program.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

namespace bench {

ChildProgram::ChildProgram(const std::vector<std::string>& argv, const std::string& folder,
                           const std::string& log, bool piped_input) {
  int pipe_fds[2] = {-1, -1};
  if (piped_input && pipe(pipe_fds) != 0) throw std::runtime_error("pipe failed");
  const int output = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (output < 0) throw std::runtime_error("cannot write " + log);
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    if (piped_input) dup2(pipe_fds[0], 0);
    dup2(output, 1);
    dup2(output, 2);
    if (chdir(folder.c_str()) != 0) _exit(126);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  close(output);
  if (piped_input) {
    close(pipe_fds[0]);
    input_ = pipe_fds[1];
    signal(SIGPIPE, SIG_IGN);  // a program that ended makes Send fail, not the benchmark end
  }
}

ChildProgram::~ChildProgram() {
  if (input_ >= 0) close(input_);
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

bool ChildProgram::Running() { return waitpid(pid_, nullptr, WNOHANG) == 0; }

void ChildProgram::Send(const std::string& line) {
  const std::string text = line + "\n";
  if (write(input_, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
    throw std::runtime_error("the program no longer reads its input");
}

}  // namespace bench
