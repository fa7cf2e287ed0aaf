#include "sizeguard/ResizeLckObject.h"

#include "sizeguard/ResizeLck.h"
#include "sizeguard/SizeguardUsage.h"

using namespace prjRESIZELCK;

namespace {

constexpr WORD kReadWrite = DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT;
constexpr DispatchMember kMembers[] = {
    {"HasMaxSize", DISPID_HasMaxSize, kReadWrite}, {"MaxHeight", DISPID_MaxHeight, kReadWrite},
    {"MaxWidth", DISPID_MaxWidth, kReadWrite},     {"MinHeight", DISPID_MinHeight, kReadWrite},
    {"MinWidth", DISPID_MinWidth, kReadWrite},
};
constexpr DispatchTable kMemberTable{kMembers};

}  // namespace

ResizeLckObject::ResizeLckObject() : owned_(std::make_unique<ResizeLck>()), control_(owned_.get())
{
    SizeguardUsage().Up();
}

ResizeLckObject::~ResizeLckObject() { SizeguardUsage().Down(); }

HRESULT ResizeLckObject::QueryInterface(const IID& iid, void** object)
{
    if (object && iid == IHostedControl::InterfaceId) {
        *object = static_cast<IHostedControl*>(this);
        AddRef();
        return S_OK;
    }
    return DispatchObject::QueryInterface(iid, object);
}

ULONG ResizeLckObject::AddRef() { return DispatchObject::AddRef(); }

ULONG ResizeLckObject::Release() { return DispatchObject::Release(); }

std::unique_ptr<qby::UserControl> ResizeLckObject::TakeUserControl()
{
    if (!owned_) return nullptr;
    owned_->KeepObject(this);
    return std::move(owned_);
}

HRESULT ResizeLckObject::ReadLimit(std::int32_t* value, std::int32_t (ResizeLck::*read)() const) const
{
    if (!value) return E_POINTER;
    if (!control_) return E_UNEXPECTED;
    *value = (control_->*read)();
    return S_OK;
}

HRESULT ResizeLckObject::get_HasMaxSize(VARIANT_BOOL* value)
{
    if (!value) return E_POINTER;
    if (!control_) return E_UNEXPECTED;
    *value = control_->HasMaxSize() ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT ResizeLckObject::put_HasMaxSize(VARIANT_BOOL bNewValue)
{
    if (!control_) return E_UNEXPECTED;
    control_->HasMaxSize(bNewValue != VARIANT_FALSE);
    return S_OK;
}

HRESULT ResizeLckObject::get_MaxHeight(std::int32_t* value) { return ReadLimit(value, &ResizeLck::MaxHeight); }

HRESULT ResizeLckObject::get_MaxWidth(std::int32_t* value) { return ReadLimit(value, &ResizeLck::MaxWidth); }

HRESULT ResizeLckObject::get_MinHeight(std::int32_t* value) { return ReadLimit(value, &ResizeLck::MinHeight); }

HRESULT ResizeLckObject::get_MinWidth(std::int32_t* value) { return ReadLimit(value, &ResizeLck::MinWidth); }

HRESULT ResizeLckObject::put_MaxHeight(std::int32_t* lNewValue)
{
    if (!lNewValue) return E_POINTER;
    if (!control_) return E_UNEXPECTED;
    control_->MaxHeight(*lNewValue);
    return S_OK;
}

HRESULT ResizeLckObject::put_MaxWidth(std::int32_t* lNewValue)
{
    if (!lNewValue) return E_POINTER;
    if (!control_) return E_UNEXPECTED;
    control_->MaxWidth(*lNewValue);
    return S_OK;
}

HRESULT ResizeLckObject::put_MinHeight(std::int32_t lNewValue)
{
    if (!control_) return E_UNEXPECTED;
    control_->MinHeight(lNewValue);
    return S_OK;
}

HRESULT ResizeLckObject::put_MinWidth(std::int32_t lNewValue)
{
    if (!control_) return E_UNEXPECTED;
    control_->MinWidth(lNewValue);
    return S_OK;
}

const DispatchTable& ResizeLckObject::Members() const { return kMemberTable; }

HRESULT ResizeLckObject::InvokeMember(DISPID id, WORD flags, std::span<Variant> arguments, Variant* result)
{
    if (flags & DISPATCH_PROPERTYPUT) {
        if (arguments.size() != 1) return DISP_E_BADPARAMCOUNT;
        Variant& argument = arguments[0];
        if (id == DISPID_HasMaxSize) {
            bool value = false;
            HRESULT status = argument.ToBool(&value);
            return SUCCEEDED(status) ? put_HasMaxSize(value ? VARIANT_TRUE : VARIANT_FALSE) : status;
        }
        std::int32_t value = 0;
        HRESULT status = argument.ToLong(&value);
        if (FAILED(status)) return status;
        switch (id) {
        case DISPID_MinHeight: return put_MinHeight(value);
        case DISPID_MinWidth: return put_MinWidth(value);
        case DISPID_MaxHeight: status = put_MaxHeight(&value); break;
        case DISPID_MaxWidth: status = put_MaxWidth(&value); break;
        default: return DISP_E_MEMBERNOTFOUND;
        }
        // The maxima take their value by reference: the caller's variable gets it back.
        if (SUCCEEDED(status) && argument.IsByRef()) status = argument.Assign(Variant::Long(value));
        return status;
    }
    if (!arguments.empty()) return DISP_E_BADPARAMCOUNT;
    HRESULT status = E_UNEXPECTED;
    Variant value;
    if (id == DISPID_HasMaxSize) {
        VARIANT_BOOL flag = VARIANT_FALSE;
        status = get_HasMaxSize(&flag);
        value = Variant::Bool(flag != VARIANT_FALSE);
    } else {
        std::int32_t number = 0;
        switch (id) {
        case DISPID_MaxHeight: status = get_MaxHeight(&number); break;
        case DISPID_MaxWidth: status = get_MaxWidth(&number); break;
        case DISPID_MinHeight: status = get_MinHeight(&number); break;
        case DISPID_MinWidth: status = get_MinWidth(&number); break;
        default: return DISP_E_MEMBERNOTFOUND;
        }
        value = Variant::Long(number);
    }
    if (SUCCEEDED(status) && result) *result = value;
    return status;
}
