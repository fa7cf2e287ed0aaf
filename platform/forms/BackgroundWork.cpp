#include "platform/forms/BackgroundWork.h"

#include <unistd.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace qby::detail {

namespace {

constexpr int kWorkers = 2;

struct Workers {
    const pid_t owner = getpid();
    std::mutex mutex;
    std::condition_variable wake;  // a task to run
    std::condition_variable idle;  // every task ended
    std::deque<std::function<void()>> tasks;
    int running = 0;
    int started = 0;

    void Work()
    {
        std::unique_lock lock(mutex);
        for (;;) {
            wake.wait(lock, [&] { return !tasks.empty(); });
            std::function<void()> task = std::move(tasks.front());
            tasks.pop_front();
            ++running;
            lock.unlock();
            try {
                task();
            } catch (...) {
                // A task reports its own failures; one that throws ends here.
            }
            lock.lock();
            if (--running == 0 && tasks.empty())
                idle.notify_all();
        }
    }
};

Workers& TheWorkers()
{
    static auto* workers = new Workers;  // never destroyed: its threads run until the process ends
    return *workers;
}

}  // namespace

bool BackgroundWorkersUsable()
{
    return getpid() == TheWorkers().owner;
}

bool RunInBackground(std::function<void()> task)
{
    Workers& workers = TheWorkers();
    if (getpid() != workers.owner)
        return false;
    std::lock_guard lock(workers.mutex);
    if (workers.started < kWorkers && workers.running + static_cast<int>(workers.tasks.size()) >= workers.started) {
        try {
            std::thread([&workers] { workers.Work(); }).detach();
            ++workers.started;
        } catch (...) {
            if (workers.started == 0)
                return false;  // no thread to be had: the caller does the work
        }
    }
    workers.tasks.push_back(std::move(task));
    workers.wake.notify_one();
    return true;
}

void WaitForBackgroundWork()
{
    Workers& workers = TheWorkers();
    if (getpid() != workers.owner)
        return;
    std::unique_lock lock(workers.mutex);
    workers.idle.wait(lock, [&] { return workers.tasks.empty() && workers.running == 0; });
}

}  // namespace qby::detail
