// How a class library's control object hands its user control to the form runtime.
//
// A window's design names a control of a class library by its class id. The runtime creates the
// class's object by that id (Creation.h) and asks it for IHostedControl, an interface private to
// this platform (no type library lists it); the object answers with its user control, which the
// runtime then sites on the window, gives its stored properties and destroys with the window.
// The object itself may stay in use through its own interfaces for as long as the control lives.
#pragma once

#include "platform/com/Unknown.h"
#include "platform/forms/UserControl.h"

#include <memory>

struct IHostedControl : IUnknown {
    static constexpr IID InterfaceId = GuidLiteral("{1C887834-BE69-44A4-B570-2B998CA18056}");
    using BaseInterface = IUnknown;

    // The object's user control; the caller owns it from now on. Each object has one control to
    // hand over: later calls answer null.
    virtual std::unique_ptr<qby::UserControl> TakeUserControl() = 0;

protected:
    ~IHostedControl() = default;
};

namespace qby {

// The control of the class with this class id (braced text), made through the registry: the
// class's library is loaded once and its object asked for IHostedControl. Null when the id is
// malformed, the class is not registered, its library cannot be loaded or makes no control.
// The form runtime asks this for every class id no class of the program itself answers.
std::unique_ptr<UserControl> CreateControlByClassId(const std::string& classId);

}  // namespace qby
