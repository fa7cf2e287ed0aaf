// Another process holding the writers' lock of a registry file and keeping it, as a writer
// stopped halfway (Ctrl-Z) would, until it is released or destroyed. It lets go by itself after
// `limit` seconds: a test that then finds it gone was stuck waiting for the lock, so a wait
// without a bound fails the test instead of hanging it.
// Header-only; the child process makes only calls that are safe after fork.
#pragma once

#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace registrytest {

class LockHolder {
public:
    explicit LockHolder(const std::string& lockPath, unsigned limit = 30)
    {
        int ready[2];
        if (::pipe(ready) != 0) return;
        child_ = ::fork();
        if (child_ == 0) {
            ::alarm(limit);  // SIGALRM ends the child
            int lock = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
            char held = 1;
            if (lock < 0 || ::flock(lock, LOCK_EX) != 0 || ::write(ready[1], &held, 1) != 1) ::_exit(1);
            for (;;) ::pause();
        }
        ::close(ready[1]);
        char held = 0;
        holding_ = child_ > 0 && ::read(ready[0], &held, 1) == 1;
        ::close(ready[0]);
    }
    ~LockHolder() { Release(); }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    // The child took the lock.
    bool Holding() const { return holding_; }
    // The child let go by itself: something waited for the lock until the limit.
    bool LetGoByItself()
    {
        int status = 0;
        if (child_ <= 0 || ::waitpid(child_, &status, WNOHANG) != child_) return false;
        child_ = -1;
        return true;
    }
    void Release()
    {
        if (child_ <= 0) return;
        ::kill(child_, SIGKILL);
        int status = 0;
        ::waitpid(child_, &status, 0);
        child_ = -1;
    }

private:
    pid_t child_ = -1;
    bool holding_ = false;
};

}  // namespace registrytest
