// Control objects and the hosts that hold them.
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/Impl.h"

#include <algorithm>

namespace qby {

using detail::DispatchScope;

Control::Control(ControlHost* host, std::string name, int index)
    : host_(host), name_(std::move(name)), index_(index)
{
    if (host_ != nullptr)
        host_->controls_.push_back(this);
}

Control::Control() = default;

Control::~Control()
{
    if (impl_ != nullptr && impl_->proxy == this)
        impl_->proxy = nullptr;
    impl_ = nullptr;
    if (host_ != nullptr) {
        auto& list = host_->controls_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
}

void Control::site(ControlHost* host, std::string name, int index)
{
    host_ = host;
    name_ = std::move(name);
    index_ = index;
}

detail::ControlImpl* Control::impl()
{
    if (impl_ == nullptr && host_ != nullptr)
        host_->EnsureLoaded();
    return impl_;
}

std::string Control::Tag()
{
    DispatchScope scope;
    detail::ControlImpl* i = impl();
    return i ? i->tag : std::string();
}

void Control::Tag(const std::string& value)
{
    DispatchScope scope;
    if (detail::ControlImpl* i = impl())
        i->tag = value;
}

ControlHost::~ControlHost() = default;

Control* ControlHost::FindControl(std::string_view name, int index) const
{
    for (Control* control : controls_) {
        if (control->Name().size() != name.size())
            continue;
        bool same = true;
        for (std::size_t i = 0; i < name.size() && same; ++i)
            same = std::tolower(static_cast<unsigned char>(control->Name()[i])) ==
                   std::tolower(static_cast<unsigned char>(name[i]));
        if (same && control->Index() == index)
            return control;
    }
    return nullptr;
}

void ControlHost::Layout(Design& design)
{
    (void)design;
}

}  // namespace qby
