// Work handed to two worker threads of the process: decoding pictures, and the start-up work of
// StartupWarmup.h, so that they overlap the building of a window.
//
// The workers start with the first task and stay for the whole run, waiting without a timeout
// when there is nothing to do (an idle program has no wake-ups). Nothing here is ever destroyed,
// so a task may still run while the process exits; RuntimeStop waits for them first.
//
// A child process made by fork (a death test, say) has none of its parent's threads: there the
// workers are never used, and the caller does the work itself.
#pragma once

#include <functional>

namespace qby::detail {

// Hands `task` to a worker. False in a forked child: the task is not taken and the caller runs
// it itself.
bool RunInBackground(std::function<void()> task);
// True in the process that can have workers (not in a child forked from it).
bool BackgroundWorkersUsable();
// Waits until every task handed over so far has ended.
void WaitForBackgroundWork();

}  // namespace qby::detail
