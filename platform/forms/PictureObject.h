// Pictures as objects: the form in which a picture travels through a dispatch call (a variant
// holds an object, never a picture value). The object answers its handle, type and size through
// dispatch too, like the platform's standard picture object.
#pragma once

#include "platform/com/ComObject.h"
#include "platform/com/DispatchObject.h"
#include "platform/com/DispatchTable.h"
#include "platform/com/Variant.h"
#include "platform/forms/Picture.h"

#include <optional>
#include <span>
#include <utility>

namespace qby {

struct IStdPicture : IDispatch {
    static constexpr IID InterfaceId = GuidLiteral("{8777F955-753C-47A4-8FF2-790F2C90542C}");
    using BaseInterface = IDispatch;

    // The picture the object carries (an empty picture for a picture without an image).
    virtual Picture Value() const = 0;

protected:
    ~IStdPicture() = default;
};

namespace detail {

inline constexpr DISPID kPictureHandle = 0;
inline constexpr DISPID kPictureType = 5;
inline constexpr DISPID kPictureWidth = 4;
inline constexpr DISPID kPictureHeight = 3;
inline constexpr DispatchMember kPictureMembers[] = {
    {"Handle", kPictureHandle, DISPATCH_PROPERTYGET},
    {"Type", kPictureType, DISPATCH_PROPERTYGET},
    {"Width", kPictureWidth, DISPATCH_PROPERTYGET},
    {"Height", kPictureHeight, DISPATCH_PROPERTYGET},
};

class StdPictureObject final : public DispatchObject<IStdPicture> {
public:
    explicit StdPictureObject(Picture picture) : picture_(std::move(picture)) {}
    Picture Value() const override { return picture_; }

protected:
    const DispatchTable& Members() const override
    {
        static constexpr DispatchTable table{kPictureMembers};
        return table;
    }
    HRESULT InvokeMember(DISPID id, WORD, std::span<Variant> arguments, Variant* result) override
    {
        if (!arguments.empty()) return DISP_E_BADPARAMCOUNT;
        std::int32_t value = 0;
        switch (id) {
        case kPictureHandle: value = picture_.Handle(); break;
        case kPictureType: value = picture_.Type(); break;
        case kPictureWidth: value = picture_.Width(); break;
        case kPictureHeight: value = picture_.Height(); break;
        default: return DISP_E_MEMBERNOTFOUND;
        }
        if (result) *result = Variant::Long(value);
        return S_OK;
    }

private:
    Picture picture_;
};

}  // namespace detail

// A new object carrying the picture (also for an empty picture: its handle reads 0).
inline ComPtr<IStdPicture> MakePictureObject(const Picture& picture)
{
    ComPtr<detail::StdPictureObject> object = MakeComObject<detail::StdPictureObject>(picture);
    return ComPtr<IStdPicture>(object.Get());
}

// A variant holding the picture as an object.
inline Variant PictureVariant(const Picture& picture)
{
    ComPtr<IStdPicture> object = MakePictureObject(picture);
    return Variant::Object(object.Get());
}

// The picture a variant holds: a picture object gives its picture, the object Nothing an empty
// picture; nullopt for anything else (empty, a number, a string, another kind of object).
inline std::optional<Picture> PictureFromVariant(const Variant& value)
{
    ComPtr<IUnknown> object;
    if (FAILED(value.ToObject(&object))) return std::nullopt;
    if (!object) return Picture();
    ComPtr<IStdPicture> picture = object.As<IStdPicture>();
    if (!picture) return std::nullopt;
    return picture->Value();
}

}  // namespace qby
