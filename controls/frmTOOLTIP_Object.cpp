// The tip window as a generic object: its five public members by dispatch id and by name.
#include "controls/frmTOOLTIP.h"

#include "platform/com/DispatchObject.h"

namespace {

struct _frmTOOLTIP : IDispatch {
    static constexpr IID InterfaceId = GuidLiteral("{5892FE42-15F7-4980-9D20-AC86D4FB12A7}");
    using BaseInterface = IDispatch;

protected:
    ~_frmTOOLTIP() = default;
};

using Id = frmTOOLTIP_Form::DispId;
constexpr DispatchMember kMembers[] = {
    {"CreateTip", Id::CreateTip, DISPATCH_METHOD},
    {"DestroyTip", Id::DestroyTip, DISPATCH_METHOD},
    {"Margin", Id::Margin, DISPATCH_PROPERTYPUT},
    {"ShowTip", Id::ShowTip, DISPATCH_METHOD},
    {"Text", Id::Text, DISPATCH_PROPERTYPUT},
};
constexpr DispatchTable kTable{kMembers};

}  // namespace

class frmTOOLTIPObject final : public DispatchObject<_frmTOOLTIP> {
public:
    explicit frmTOOLTIPObject(frmTOOLTIP_Form* form) : form_(form) {}
    void Detach() { form_ = nullptr; }

protected:
    const DispatchTable& Members() const override { return kTable; }

    HRESULT InvokeMember(DISPID id, WORD, std::span<Variant> arguments, Variant*) override
    {
        if (form_ == nullptr)
            return E_UNEXPECTED;
        try {
            return Run(id, arguments);
        } catch (...) {
            return E_FAIL;
        }
    }

private:
    HRESULT Run(DISPID id, std::span<Variant> arguments)
    {
        const std::size_t wanted = (id == Id::DestroyTip || id == Id::ShowTip) ? 0 : 1;
        if (arguments.size() != wanted)
            return DISP_E_BADPARAMCOUNT;
        switch (id) {
        case Id::CreateTip:
            form_->CreateTip(arguments[0]);
            return S_OK;
        case Id::DestroyTip:
            form_->DestroyTip();
            return S_OK;
        case Id::ShowTip:
            form_->ShowTip();
            return S_OK;
        case Id::Margin: {
            std::int32_t value = 0;
            const HRESULT status = arguments[0].ToLong(&value);
            if (SUCCEEDED(status))
                form_->Margin(value);
            return status;
        }
        case Id::Text: {
            std::string text;
            const HRESULT status = arguments[0].ToString(&text);
            if (SUCCEEDED(status))
                form_->Text(text);
            return status;
        }
        }
        return DISP_E_MEMBERNOTFOUND;
    }

    frmTOOLTIP_Form* form_;
};

frmTOOLTIP_Form::~frmTOOLTIP_Form()
{
    if (object_)
        static_cast<frmTOOLTIPObject*>(object_.Get())->Detach();
}

ComPtr<IDispatch> frmTOOLTIP_Form::Object()
{
    if (!object_)
        object_ = ComPtr<IDispatch>(MakeComObject<frmTOOLTIPObject>(this).Get());
    return object_;
}
