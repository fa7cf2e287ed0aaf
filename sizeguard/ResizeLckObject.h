// The object of the class ResizeLck: its dual interface _ResizeLck for callers of the library,
// and the platform's IHostedControl, through which the form runtime takes the object's control
// to place it on a window.
//
// Until a host takes it, the object owns its control. Once taken, the host owns the control,
// the control keeps the object in use, and the object works on the control until the control
// ends; after that every member answers E_UNEXPECTED.
#pragma once

#include "platform/com/DispatchObject.h"
#include "platform/com/HostedControl.h"
#include "sizeguard/prjRESIZELCK.h"

#include <memory>

class ResizeLck;

class ResizeLckObject final : public DispatchObject<prjRESIZELCK::_ResizeLck>, public IHostedControl {
public:
    ResizeLckObject();
    ~ResizeLckObject() override;

    HRESULT QueryInterface(const IID& iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;

    HRESULT get_HasMaxSize(VARIANT_BOOL* value) override;
    HRESULT put_HasMaxSize(VARIANT_BOOL bNewValue) override;
    HRESULT get_MaxHeight(std::int32_t* value) override;
    HRESULT put_MaxHeight(std::int32_t* lNewValue) override;
    HRESULT get_MaxWidth(std::int32_t* value) override;
    HRESULT put_MaxWidth(std::int32_t* lNewValue) override;
    HRESULT get_MinHeight(std::int32_t* value) override;
    HRESULT put_MinHeight(std::int32_t lNewValue) override;
    HRESULT get_MinWidth(std::int32_t* value) override;
    HRESULT put_MinWidth(std::int32_t lNewValue) override;

    std::unique_ptr<qby::UserControl> TakeUserControl() override;
    // The control has ended (its host destroyed it).
    void ControlGone() { control_ = nullptr; }

protected:
    const DispatchTable& Members() const override;
    HRESULT InvokeMember(DISPID id, WORD flags, std::span<Variant> arguments, Variant* result) override;

private:
    // One of the control's four limits into *value.
    HRESULT ReadLimit(std::int32_t* value, std::int32_t (ResizeLck::*read)() const) const;

    std::unique_ptr<ResizeLck> owned_;  // until a host takes the control
    ResizeLck* control_ = nullptr;
};
