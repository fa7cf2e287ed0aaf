#include "platform/forms/BackgroundWork.h"

#include <pthread.h>
#include <sched.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <deque>
#include <mutex>

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

// A worker is a batch thread from its start: it never takes the processor from the thread that
// woke it (the window's thread, busy building the window), yet gets its fair share of time. On
// a machine that keeps a process's threads on few processors, a worker of normal policy would
// stop the window's thread for as long as the task runs.
bool StartWorker(Workers& workers)
{
    auto run = [](void* argument) -> void* {
        static_cast<Workers*>(argument)->Work();
        return nullptr;
    };
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0)
        return false;
    pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
    const sched_param priority{};
    pthread_attr_setinheritsched(&attributes, PTHREAD_EXPLICIT_SCHED);
    pthread_attr_setschedpolicy(&attributes, SCHED_BATCH);
    pthread_attr_setschedparam(&attributes, &priority);
    pthread_t thread;
    int status = pthread_create(&thread, &attributes, run, &workers);
    if (status == EPERM) {
        // A policy this system does not let the process choose: the thread inherits the caller's.
        pthread_attr_setinheritsched(&attributes, PTHREAD_INHERIT_SCHED);
        status = pthread_create(&thread, &attributes, run, &workers);
    }
    pthread_attr_destroy(&attributes);
    return status == 0;
}

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
        if (StartWorker(workers))
            ++workers.started;
        else if (workers.started == 0)
            return false;  // no thread to be had: the caller does the work
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
