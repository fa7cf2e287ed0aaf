// User controls: controls written in program or library code out of other controls, with
// their own surface, stored properties (a property bag) and events raised to the host.
//
// A user control class derives from UserControl, declares its constituent controls as members
// (qby::PictureBox picImage1{this, "picImage1"}), designs them in Layout and handles the
// UserControl_ events. Its own events are Event members that it raises (RaiseEvent) and the
// host handles:
//
//   class picbtn : public qby::UserControl {
//   public:
//       using UserControl::UserControl;       // picbtn(host, name, index = -1)
//       const char* KindName() const override { return "picbtn"; }
//       qby::Event<> Click{this};
//       qby::Event<int, int, float, float> MouseOut{this};
//   protected:
//       void Layout(qby::Design& d) override;
//       void UserControl_Initialize() override;
//       void UserControl_ReadProperties(qby::PropertyBag& PropBag) override;
//   private:
//       qby::PictureBox picImage1{this, "picImage1"};
//   };
//
// Life of a user control on a form: when the form loads, the control's surface and constituents
// are created (its Layout runs), then UserControl_Initialize, then UserControl_ReadProperties
// with the bag stored in the form's design (UserControl_InitProperties when the design stores
// none), then UserControl_Resize. When the form unloads: UserControl_Terminate, and the windows
// go. The C++ object itself lives as long as its host form object, so member variables keep
// their values across loads like form variables do: UserControl_Initialize sets what must start
// fresh with each load.
//
// A class library can make user controls without any toolkit header: it derives from
// UserControl and registers a factory for its class id (RegisterUserControlClass), or the
// loader of class libraries answers SetUserControlResolver's question.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/DrawingSurface.h"
#include "platform/forms/Form.h"
#include "platform/forms/Picture.h"
#include "platform/forms/PropertyBag.h"
#include "platform/forms/Types.h"
#include "platform/forms/VisualControl.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qby {

class Form;

// What the host tells a control about its environment.
struct AmbientProperties {
    bool UserMode = true;  // True at run time, False while a designer edits the host
};

class UserControl : public VisualControl, public ControlHost, public DrawingSurface {
public:
    // Extender properties given by the host's design.
    struct Props {
        ContainerRef Container{};
        std::optional<double> Left{}, Top{}, Width{}, Height{};
        std::optional<bool> Visible{};
        std::optional<std::string> Tag{};
    };
    // Design properties of the control's own surface (Design::Surface in its Layout).
    struct SurfaceProps {
        std::optional<double> Width{}, Height{};  // twips, the size a new instance starts with
        std::optional<OLE_COLOR> BackColor{}, ForeColor{};
        std::optional<qby::Picture> Picture{};
        std::optional<int> ScaleMode{};
        std::optional<bool> AutoRedraw{};  // default False
        std::optional<int> BorderStyle{};  // 0 none (default), 1 fixed single
        std::optional<int> Appearance{};
        std::optional<std::string> FontName{};
        std::optional<double> FontSize{};
        std::optional<bool> FontBold{};
        std::optional<int> MousePointer{};
        std::optional<qby::Picture> MouseIcon{};
        // True: the control has no appearance at run time (its window stays hidden).
        std::optional<bool> InvisibleAtRuntime{};
    };

    // A control that is a member of its host.
    UserControl(ControlHost* host, std::string name, int index = -1);
    // A control made by a class factory; the runtime places it on its host.
    UserControl();
    ~UserControl() override;

    int BorderStyle();
    void BorderStyle(int value);  // 0 none, 1 fixed single
    int Appearance();
    void Appearance(int value);

    // Tells the host that a stored property changed (a design being edited is marked for saving).
    void PropertyChanged(const std::string& propertyName);
    AmbientProperties Ambient();
    // The window handle of the form (or user control) the control sits on; 0 when none.
    std::int32_t ParentHwnd();
    // Runs UserControl_WriteProperties into a fresh bag and returns it.
    PropertyBag SaveProperties();

    void EnsureLoaded() override;
    Form* TopForm() override;

protected:
    virtual void UserControl_Initialize() {}
    virtual void UserControl_InitProperties() {}
    virtual void UserControl_ReadProperties(PropertyBag& PropBag);
    virtual void UserControl_WriteProperties(PropertyBag& PropBag);
    virtual void UserControl_Resize() {}
    virtual void UserControl_Terminate() {}
    // Input on the control's own surface (where no constituent covers it).
    virtual void UserControl_Click() {}
    virtual void UserControl_DblClick() {}
    virtual void UserControl_MouseDown(int Button, int Shift, float X, float Y);
    virtual void UserControl_MouseMove(int Button, int Shift, float X, float Y);
    virtual void UserControl_MouseUp(int Button, int Shift, float X, float Y);

private:
    friend class detail::Access;
    void buildDefault(detail::DesignContext& context) override;
    detail::SurfaceImpl* drawingSurface() override;
};

// A user control created from its class id when the host loads (a control of a class library).
class ExternalControl : public VisualControl {
public:
    ExternalControl(ControlHost* host, std::string name, int index = -1);
    ~ExternalControl() override;
    const char* KindName() const override { return "ExternalControl"; }

    // The control made for the current load; null while unloaded or when its class could not
    // be created (then the host loads without it).
    UserControl* Object();

private:
    friend class detail::Access;
    void buildDefault(detail::DesignContext& context) override;
    std::unique_ptr<UserControl> object_;
};

using UserControlFactory = std::function<std::unique_ptr<UserControl>()>;
// Makes the user control class with this class id (text such as "{41E2C7AD-...}", compared
// without regard to case) available to hosts' designs.
void RegisterUserControlClass(const std::string& classId, UserControlFactory factory);
void UnregisterUserControlClass(const std::string& classId);
// Asked for class ids that are not registered (the class-library loader installs it); it
// returns null when it cannot make the class.
using UserControlResolver = std::function<std::unique_ptr<UserControl>(const std::string& classId)>;
void SetUserControlResolver(UserControlResolver resolver);

}  // namespace qby
