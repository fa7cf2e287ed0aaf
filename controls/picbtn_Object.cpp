// The picture button as a generic object: every member of its interface by dispatch id and by
// name. Pictures travel as picture objects.
#include "controls/picbtn.h"

#include "platform/com/DispatchObject.h"
#include "platform/forms/PictureObject.h"

namespace {

struct _picbtn : IDispatch {
    static constexpr IID InterfaceId = GuidLiteral("{116BDA20-1041-42B6-9F99-5EBA01D56FB5}");
    using BaseInterface = IDispatch;

protected:
    ~_picbtn() = default;
};

using Id = picbtn::DispId;
constexpr WORD kGetPut = DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT;
// Pictures are assigned with Set (PUTREF); a plain assignment of a picture object is taken too.
constexpr WORD kGetSet = DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF;
constexpr DispatchMember kMembers[] = {
    {"blnUSEDISABLED", Id::blnUSEDISABLED, kGetPut},
    {"blnUSEPICJUMPIN", Id::blnUSEPICJUMPIN, kGetPut},
    {"BorderStyle", Id::BorderStyle, kGetPut},
    {"CAPTION", Id::CAPTION, kGetPut},
    {"CFm_MousePosnONOUT", Id::CFm_MousePosnONOUT, DISPATCH_PROPERTYGET},
    {"cURRENTIMAGE", Id::cURRENTIMAGE, DISPATCH_PROPERTYGET},
    {"Enabled", Id::Enabled, kGetPut},
    {"MousePosnONOUT", Id::MousePosnONOUT, DISPATCH_PROPERTYGET},
    {"PICDISABLED", Id::PICDISABLED, DISPATCH_METHOD},
    {"picImage1_MouseOut", Id::picImage1_MouseOut, DISPATCH_METHOD},
    {"PICPNORMAL", Id::PICPNORMAL, DISPATCH_METHOD},
    {"PictureDisabled", Id::PictureDisabled, kGetSet},
    {"PictureHLight", Id::PictureHLight, kGetSet},
    {"PictureNormal", Id::PictureNormal, kGetSet},
    {"PicturePressed", Id::PicturePressed, kGetSet},
    {"ToolTip", Id::ToolTip, kGetPut},
};
constexpr DispatchTable kTable{kMembers};

constexpr WORD kPutKinds = DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF;

HRESULT Answer(Variant* result, Variant value)
{
    if (result != nullptr)
        *result = std::move(value);
    return S_OK;
}

}  // namespace

class picbtnObject final : public DispatchObject<_picbtn> {
public:
    explicit picbtnObject(picbtn* button) : button_(button) {}
    void Detach() { button_ = nullptr; }

protected:
    const DispatchTable& Members() const override { return kTable; }

    HRESULT InvokeMember(DISPID id, WORD flags, std::span<Variant> arguments, Variant* result) override
    {
        if (button_ == nullptr)
            return E_UNEXPECTED;
        try {
            if (id == Id::picImage1_MouseOut)
                return MouseOut(arguments);
            if (id == Id::PICDISABLED || id == Id::PICPNORMAL) {
                if (!arguments.empty())
                    return DISP_E_BADPARAMCOUNT;
                id == Id::PICDISABLED ? button_->PICDISABLED() : button_->PICPNORMAL();
                return S_OK;
            }
            if ((flags & kPutKinds) != 0) {
                if (arguments.size() != 1)
                    return DISP_E_BADPARAMCOUNT;
                return Put(id, arguments[0]);
            }
            if (!arguments.empty())
                return DISP_E_BADPARAMCOUNT;
            return Get(id, result);
        } catch (...) {
            return E_FAIL;
        }
    }

private:
    HRESULT Get(DISPID id, Variant* result)
    {
        picbtn& b = *button_;
        switch (id) {
        case Id::blnUSEDISABLED: return Answer(result, Variant::Bool(b.blnUSEDISABLED()));
        case Id::blnUSEPICJUMPIN: return Answer(result, Variant::Bool(b.blnUSEPICJUMPIN()));
        case Id::BorderStyle: return Answer(result, Variant::Long(b.BorderStyle()));
        case Id::CAPTION: return Answer(result, Variant::String(b.CAPTION()));
        case Id::CFm_MousePosnONOUT: return Answer(result, Variant::Bool(b.CFm_MousePosnONOUT()));
        case Id::cURRENTIMAGE: return Answer(result, qby::PictureVariant(b.cURRENTIMAGE()));
        case Id::Enabled: return Answer(result, Variant::Bool(b.Enabled()));
        case Id::MousePosnONOUT: return Answer(result, Variant::Bool(b.MousePosnONOUT()));
        case Id::PictureDisabled: return Answer(result, qby::PictureVariant(b.PictureDisabled()));
        case Id::PictureHLight: return Answer(result, qby::PictureVariant(b.PictureHLight()));
        case Id::PictureNormal: return Answer(result, qby::PictureVariant(b.PictureNormal()));
        case Id::PicturePressed: return Answer(result, qby::PictureVariant(b.PicturePressed()));
        case Id::ToolTip: return Answer(result, Variant::String(b.ToolTip()));
        }
        return DISP_E_MEMBERNOTFOUND;
    }

    HRESULT Put(DISPID id, const Variant& value)
    {
        picbtn& b = *button_;
        switch (id) {
        case Id::blnUSEDISABLED:
            return PutValue(value, &Variant::ToBool, [&](bool v) { b.blnUSEDISABLED(v); });
        case Id::blnUSEPICJUMPIN:
            return PutValue(value, &Variant::ToBool, [&](bool v) { b.blnUSEPICJUMPIN(v); });
        case Id::Enabled:
            return PutValue(value, &Variant::ToBool, [&](bool v) { b.Enabled(v); });
        case Id::BorderStyle:
            return PutValue(value, &Variant::ToLong, [&](std::int32_t v) { b.BorderStyle(v); });
        case Id::CAPTION:
            return PutValue(value, &Variant::ToString, [&](const std::string& v) { b.CAPTION(v); });
        case Id::ToolTip:
            return PutValue(value, &Variant::ToString, [&](const std::string& v) { b.ToolTip(v); });
        case Id::PictureDisabled:
            return PutPicture(value, [&](const qby::Picture& p) { b.PictureDisabled(p); });
        case Id::PictureHLight:
            return PutPicture(value, [&](const qby::Picture& p) { b.PictureHLight(p); });
        case Id::PictureNormal:
            return PutPicture(value, [&](const qby::Picture& p) { b.PictureNormal(p); });
        case Id::PicturePressed:
            return PutPicture(value, [&](const qby::Picture& p) { b.PicturePressed(p); });
        }
        return DISP_E_MEMBERNOTFOUND;
    }

    // Button and Shift as 16-bit integers, X and Y as numbers, all by value.
    HRESULT MouseOut(std::span<Variant> arguments)
    {
        if (arguments.size() != 4)
            return DISP_E_BADPARAMCOUNT;
        std::int16_t button = 0;
        std::int16_t shift = 0;
        double x = 0;
        double y = 0;
        HRESULT status = arguments[0].ToInt16(&button);
        if (SUCCEEDED(status)) status = arguments[1].ToInt16(&shift);
        if (SUCCEEDED(status)) status = arguments[2].ToDouble(&x);
        if (SUCCEEDED(status)) status = arguments[3].ToDouble(&y);
        if (FAILED(status))
            return status;
        button_->picImage1_MouseOut(button, shift, static_cast<float>(x), static_cast<float>(y));
        return S_OK;
    }

    // Converts the value to the property's kind and applies it; a value that does not convert
    // leaves the property as it was.
    template <class T, class Apply>
    static HRESULT PutValue(const Variant& value, HRESULT (Variant::*convert)(T*) const, Apply apply)
    {
        T converted{};
        const HRESULT status = (value.*convert)(&converted);
        if (SUCCEEDED(status))
            apply(converted);
        return status;
    }

    template <class Apply>
    static HRESULT PutPicture(const Variant& value, Apply apply)
    {
        std::optional<qby::Picture> picture = qby::PictureFromVariant(value);
        if (!picture)
            return DISP_E_TYPEMISMATCH;
        apply(*picture);
        return S_OK;
    }

    picbtn* button_;
};

picbtn::~picbtn()
{
    if (object_)
        static_cast<picbtnObject*>(object_.Get())->Detach();
}

ComPtr<IDispatch> picbtn::Object()
{
    if (!object_)
        object_ = ComPtr<IDispatch>(MakeComObject<picbtnObject>(this).Get());
    return object_;
}
