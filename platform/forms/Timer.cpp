// Timer: its members, its loaded part and how a design builds it; timers run on the real clock
// or on the test clock.
#include "platform/forms/Timer.h"
#include "platform/forms/DesignContext.h"
#include "platform/forms/Impl.h"
#include "platform/forms/TestClock.h"

#include <QTimer>

#include <algorithm>
#include <set>

namespace qby {

namespace detail {

namespace {

struct ClockState {
    bool testClock = false;
    std::int64_t now = 0;
    std::uint64_t nextOrder = 0;
    std::vector<TimerImpl*> scheduled;  // timers waiting on the test clock
    std::set<TimerImpl*> all;
};

ClockState& clock()
{
    // Never destroyed: timers of forms that end at exit still leave it.
    static ClockState& state = *new ClockState;
    return state;
}

}  // namespace

void ClockSchedule(TimerImpl* timer)
{
    auto& c = clock();
    timer->due = c.now + timer->interval;
    timer->order = c.nextOrder++;
    timer->onTestClock = true;
    if (std::find(c.scheduled.begin(), c.scheduled.end(), timer) == c.scheduled.end())
        c.scheduled.push_back(timer);
}

void ClockCancel(TimerImpl* timer)
{
    auto& c = clock();
    c.scheduled.erase(std::remove(c.scheduled.begin(), c.scheduled.end(), timer), c.scheduled.end());
    timer->onTestClock = false;
}

TimerImpl::TimerImpl(Control* proxy, FormLive& live) : ControlImpl(proxy, live)
{
    clock().all.insert(this);
}

TimerImpl::~TimerImpl()
{
    stop();
    clock().all.erase(this);
}

void TimerImpl::stop()
{
    ClockCancel(this);
    if (realTimer)
        realTimer->stop();
}

void TimerImpl::restart()
{
    stop();
    if (retired || !enabled || interval <= 0)
        return;
    if (clock().testClock) {
        ClockSchedule(this);
        return;
    }
    EnsureApplication();
    if (!realTimer) {
        realTimer = std::make_unique<QTimer>();
        realTimer->setTimerType(Qt::PreciseTimer);
        QObject::connect(realTimer.get(), &QTimer::timeout, [this] {
            DispatchScope scope;
            fire();
        });
    }
    realTimer->start(interval);
}

void TimerImpl::retire()
{
    stop();
    ControlImpl::retire();
}

void TimerImpl::fire()
{
    if (retired || proxy == nullptr)
        return;
    if (onTick) {
        onTick();
        return;
    }
    static_cast<Timer*>(proxy)->Tick.Raise();
}

}  // namespace detail

using detail::DispatchScope;

Timer::Timer(ControlHost* host, std::string name, int index) : Control(host, std::move(name), index) {}

bool Timer::Enabled()
{
    DispatchScope scope;
    auto* t = detail::KindOf<detail::TimerImpl>(impl());
    return t ? t->enabled : false;
}

void Timer::Enabled(bool value)
{
    DispatchScope scope;
    if (auto* t = detail::KindOf<detail::TimerImpl>(impl())) {
        t->enabled = value;
        t->restart();
    }
}

int Timer::Interval()
{
    DispatchScope scope;
    auto* t = detail::KindOf<detail::TimerImpl>(impl());
    return t ? t->interval : 0;
}

void Timer::Interval(int milliseconds)
{
    DispatchScope scope;
    if (auto* t = detail::KindOf<detail::TimerImpl>(impl())) {
        t->interval = std::max(0, milliseconds);
        t->restart();
    }
}

void Timer::build(detail::DesignContext& context, const Props& p)
{
    auto* impl = detail::Adopt(context, std::make_unique<detail::TimerImpl>(this, context.live), *this);
    if (p.Enabled)
        impl->enabled = *p.Enabled;
    if (p.Interval)
        impl->interval = std::max(0, *p.Interval);
    if (p.Tag)
        impl->tag = *p.Tag;
    impl->restart();
}

// ---- TestClock --------------------------------------------------------------------------

using detail::clock;

void TestClock::Install()
{
    auto& c = clock();
    if (c.testClock)
        return;
    c.testClock = true;
    c.now = 0;
    for (detail::TimerImpl* timer : c.all)
        timer->restart();
}

void TestClock::Uninstall()
{
    auto& c = clock();
    if (!c.testClock)
        return;
    c.testClock = false;
    c.scheduled.clear();
    for (detail::TimerImpl* timer : c.all) {
        timer->onTestClock = false;
        timer->restart();
    }
}

bool TestClock::Installed()
{
    return clock().testClock;
}

void TestClock::Advance(std::int64_t ms)
{
    auto& c = clock();
    if (!c.testClock || ms < 0)
        return;
    const std::int64_t target = c.now + ms;
    for (;;) {
        detail::TimerImpl* next = nullptr;
        for (detail::TimerImpl* timer : c.scheduled) {
            if (timer->due > target)
                continue;
            if (next == nullptr || timer->due < next->due ||
                (timer->due == next->due && timer->order < next->order))
                next = timer;
        }
        if (next == nullptr)
            break;
        c.now = std::max(c.now, next->due);
        // The next interval counts from this due time; the handler may stop or restart it.
        next->due += next->interval;
        next->order = c.nextOrder++;
        detail::DispatchScope scope;
        next->fire();
    }
    c.now = std::max(c.now, target);
}

std::int64_t TestClock::Now()
{
    return clock().now;
}

}  // namespace qby
