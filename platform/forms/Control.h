// Control: the base of every control object, its events, and control arrays.
//
// A control object is a member of its form (or user control) and lives as long as that object.
// Its window and its property values live in the form's loaded part: Load creates them from the
// form's design and Unload destroys them. Touching any property or method of a control of an
// unloaded form loads the form first (hidden), which runs its Form_Load.
#pragma once

#include "platform/forms/Types.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace qby {

class Control;
class ControlHost;
class Design;

namespace detail {
class Access;
class ControlImpl;
class DesignContext;
// True when events of this control may run now: its window is loaded and being used (not
// being built from its design), and the program is not ending.
bool EventsAllowed(const Control* owner);
// Counts nested event dispatch, so that windows unloaded by a handler are freed only after
// every handler on the stack has returned.
class DispatchScope {
public:
    DispatchScope();
    ~DispatchScope();
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;
};
// Runs a handler; an exception that escapes it is stopped here (no exception leaves a handler).
void RunHandler(const std::function<void()>& body);
}  // namespace detail

class Control {
public:
    // name: the control's name (unique within its host, shared by the elements of an array);
    // index: the element's Index in a control array, -1 for a single control.
    Control(ControlHost* host, std::string name, int index = -1);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    int Index() const { return index_; }
    ControlHost* Host() const { return host_; }
    // True while the control's window part exists (does not load anything).
    bool IsLive() const { return impl_ != nullptr; }

    std::string Tag();
    void Tag(const std::string& value);

    // The kind of the control ("Label", "PictureBox", ...); user controls give their class name.
    virtual const char* KindName() const = 0;

    detail::ControlImpl* implForPlatform() const { return impl_; }

protected:
    // The loaded part of the control, loading the host form first when it is unloaded.
    // Null only when the control could not be created (then every member does nothing).
    detail::ControlImpl* impl();
    // Used by user controls created by a class factory, which get their host later.
    Control();
    void site(ControlHost* host, std::string name, int index);

private:
    friend class detail::Access;
    // Creates the loaded part with the kind's default design properties, for a control that
    // its host's layout does not mention. Each kind overrides it.
    virtual void buildDefault(detail::DesignContext& context) { (void)context; }

    ControlHost* host_ = nullptr;
    std::string name_;
    int index_ = -1;
    detail::ControlImpl* impl_ = nullptr;
};

// An event of a control. The host (the form or user control holding the control) gives the
// handler once, usually in its constructor; the control raises the event.
template <class... Args>
class Event {
public:
    explicit Event(Control* owner) : owner_(owner) {}
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void Handle(std::function<void(Args...)> handler)
    {
        handler_ = std::move(handler);
    }
    template <class H>
    void Handle(H* host, void (H::*member)(Args...))
    {
        handler_ = [host, member](Args... args) { (host->*member)(args...); };
    }
    // For an element of a control array: the handler receives the element's Index first.
    void HandleIndexed(std::function<void(int, Args...)> handler)
    {
        if (!handler) {
            handler_ = nullptr;
            return;
        }
        Control* owner = owner_;
        handler_ = [owner, handler = std::move(handler)](Args... args) {
            handler(owner->Index(), args...);
        };
    }
    bool HasHandler() const { return static_cast<bool>(handler_); }

    // Runs the host's handler (RaiseEvent). Events are dropped while the control's window is
    // being built from its design or is gone, and once the program is ending.
    void Raise(Args... args)
    {
        if (!handler_ || !detail::EventsAllowed(owner_))
            return;
        detail::DispatchScope scope;
        auto handler = handler_;  // the handler may replace itself while it runs
        detail::RunHandler([&] { handler(args...); });
    }

private:
    Control* owner_;
    std::function<void(Args...)> handler_;
};

// Button, Shift, X, Y: the mouse button(s) (vbLeftButton...), the modifier bits
// (vbShiftMask...), and the pointer position in the scale units of the control (or, for
// windowless controls, of their container).
using MouseEvent = Event<int, int, float, float>;
// KeyCode (may be changed by the handler), Shift.
using KeyEvent = Event<int&, int>;

// A control array: controls of one kind sharing a name and handlers, told apart by Index.
// Elements are created by the design (Design::Add with an index).
template <class C>
class ControlArray {
public:
    ControlArray(ControlHost* host, std::string name) : host_(host), name_(std::move(name)) {}
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    const std::string& Name() const { return name_; }

    // The element with this Index. Touching it loads the host form when it is unloaded. An
    // Index that the design does not have gives a detached element whose members do nothing.
    C& operator()(int index)
    {
        ensureHostLoaded();
        auto found = elements_.find(index);
        if (found != elements_.end())
            return *found->second;
        if (!detached_)
            detached_ = std::make_unique<C>(nullptr, name_, index);
        return *detached_;
    }
    int Count()
    {
        ensureHostLoaded();
        return static_cast<int>(elements_.size());
    }
    int LBound()
    {
        ensureHostLoaded();
        return elements_.empty() ? 0 : elements_.begin()->first;
    }
    int UBound()
    {
        ensureHostLoaded();
        return elements_.empty() ? -1 : elements_.rbegin()->first;
    }
    bool Exists(int index) const { return elements_.count(index) != 0; }

    // Gives every element (present and future) the same handler; it receives the Index first.
    template <class... A, class H>
    void Handle(Event<A...> C::*event, H* host, void (H::*member)(int, A...))
    {
        Handle(event, std::function<void(int, A...)>([host, member](int index, A... args) {
                   (host->*member)(index, args...);
               }));
    }
    template <class... A>
    void Handle(Event<A...> C::*event, std::function<void(int, A...)> handler)
    {
        auto bind = [event, handler](C& element) { (element.*event).HandleIndexed(handler); };
        for (auto& entry : elements_)
            bind(*entry.second);
        binders_.push_back(std::move(bind));
    }

    // Design only: the element with this Index, created on first use.
    C& element(int index)
    {
        auto found = elements_.find(index);
        if (found != elements_.end())
            return *found->second;
        auto& slot = elements_[index];
        slot = std::make_unique<C>(host_, name_, index);
        for (auto& bind : binders_)
            bind(*slot);
        return *slot;
    }

private:
    void ensureHostLoaded();

    ControlHost* host_;
    std::string name_;
    std::map<int, std::unique_ptr<C>> elements_;
    std::unique_ptr<C> detached_;
    std::vector<std::function<void(C&)>> binders_;
};

namespace detail {
void EnsureHostLoaded(ControlHost* host);
}

template <class C>
void ControlArray<C>::ensureHostLoaded()
{
    detail::EnsureHostLoaded(host_);
}

}  // namespace qby
