// Another process holding the writers' lock of a registry file and keeping it, as a writer
// stopped halfway (Ctrl-Z) would. It lets go when the holder is released or destroyed, or when
// a watchdog runs out first: then the test was stuck waiting on the lock, which the test asserts
// never happened, so a wait without a bound fails the test instead of hanging it.
// Header-only; the child process makes only calls that are safe after fork.
#pragma once

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <sys/file.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace registrytest {

class LockHolder {
public:
    explicit LockHolder(const std::string& lockPath, std::chrono::seconds watchdog = std::chrono::seconds(30))
    {
        int ready[2];
        if (::pipe(ready) != 0) return;
        child_ = ::fork();
        if (child_ == 0) {
            ::close(ready[0]);
            int lock = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
            if (lock < 0 || ::flock(lock, LOCK_EX) != 0) ::_exit(1);
            char held = 1;
            if (::write(ready[1], &held, 1) != 1) ::_exit(2);
            for (;;) ::pause();
        }
        ::close(ready[1]);
        char held = 0;
        while (child_ > 0 && ::read(ready[0], &held, 1) < 0 && errno == EINTR) {
        }
        ::close(ready[0]);
        holding_ = held == 1;
        watchdog_ = std::thread([this, watchdog] {
            std::unique_lock guard(mutex_);
            if (!released_.wait_for(guard, watchdog, [this] { return done_; })) {
                ranOut_ = true;
                stopChild();
            }
        });
    }
    ~LockHolder() { Release(); }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    // The child holds the lock now.
    bool Holding() const { return holding_; }
    // The watchdog had to take the lock away from the holder.
    bool WatchdogRanOut()
    {
        std::lock_guard guard(mutex_);
        return ranOut_;
    }
    void Release()
    {
        {
            std::lock_guard guard(mutex_);
            done_ = true;
            stopChild();
        }
        released_.notify_all();
        if (watchdog_.joinable()) watchdog_.join();
    }

private:
    void stopChild()
    {
        if (child_ <= 0) return;
        ::kill(child_, SIGKILL);
        int status = 0;
        while (::waitpid(child_, &status, 0) < 0 && errno == EINTR) {
        }
        child_ = -1;
    }

    pid_t child_ = -1;
    bool holding_ = false;
    std::mutex mutex_;
    std::condition_variable released_;
    bool done_ = false;
    bool ranOut_ = false;
    std::thread watchdog_;
};

}  // namespace registrytest
