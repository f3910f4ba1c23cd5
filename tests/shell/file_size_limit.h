// A write that fails part-way, without root: with RLIMIT_FSIZE below the
// size of a text, and SIGXFSZ ignored, any write past the limit fails as it
// would on a full disk.
#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace tavolux::shell::testing {

// Holds the limit on files this process writes for as long as it lives.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit old_{};
    sighandler_t oldHandler_ = SIG_DFL;
};

// Runs `body` in a child process under the limit; true when the child
// ended normally and `body` returned true.
inline bool RunInChildWithFileSizeLimit(rlim_t bytes, const std::function<bool()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        FileSizeLimit limit(bytes);
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace tavolux::shell::testing
