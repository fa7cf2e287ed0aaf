// Forms (windows), the main frame (MDIForm) and default instances.
//
// A form object lives for the whole run; its window and controls exist only while it is loaded.
// Load creates the window from the form's design (Layout) and runs Form_Load; Unload asks
// Form_QueryUnload and Form_Unload (either may cancel), then destroys the window and the
// controls' windows, while the form object and its own variables stay. Touching a property or
// method of the form or of one of its controls while it is unloaded loads it, hidden.
//
// How a window is written (the tooltip window as an example; program code names its classes and
// files after the window):
//
//   // frmTOOLTIP.h
//   class frmTOOLTIP_Form : public qby::Form {
//   public:
//       frmTOOLTIP_Form();
//       void ShowTip();                      // public members of the window
//       qby::Label lblTIP{this, "lblTIP"};   // controls: public, named as in the design
//       qby::Timer tmrSTART{this, "tmrSTART"};
//       qby::Timer tmrPARENT{this, "tmrPARENT"};
//   protected:
//       void Layout(qby::Design& d) override;    // frmTOOLTIP_Layout.cpp: the design
//       void Form_Load() override;               // frmTOOLTIP.cpp: the handlers
//       void Form_Unload(int& Cancel) override;
//   private:
//       void tmrSTART_Timer();
//       void lblTIP_MouseMove(int Button, int Shift, float X, float Y);
//       bool blnTipDestroyed = false;        // form variables keep their values across unloads
//   };
//   inline qby::DefaultInstance<frmTOOLTIP_Form> frmTOOLTIP;   // the one default instance
//
//   // frmTOOLTIP_Layout.cpp: the window's design, in twips, apart from the handlers
//   void frmTOOLTIP_Form::Layout(qby::Design& d)
//   {
//       d.Window({.BorderStyle = qby::vbBSNone, .ShowInTaskbar = false,
//                 .BackColor = qby::vbInfoBackground, .ForeColor = qby::vbInfoText});
//       d.Add(lblTIP, {.Left = 0, .Top = 0, .AutoSize = true, .BackStyle = qby::vbTransparent,
//                      .ForeColor = qby::vbInfoText, .FontName = "Tahoma", .FontSize = 8.25});
//       d.Add(tmrSTART, {.Enabled = false, .Interval = 600});
//       d.Add(tmrPARENT, {.Enabled = true, .Interval = 100});
//   }
//
//   // frmTOOLTIP.cpp: handlers are bound once, in the constructor
//   frmTOOLTIP_Form::frmTOOLTIP_Form() : Form("frmTOOLTIP")
//   {
//       tmrSTART.Tick.Handle(this, &frmTOOLTIP_Form::tmrSTART_Timer);
//       lblTIP.MouseMove.Handle(this, &frmTOOLTIP_Form::lblTIP_MouseMove);
//   }
//
// A control array and its handler, which receives the Index first:
//   qby::ControlArray<qby::PictureBox> picCARD{this, "picCARD"};            // in the class
//   for (int i = 0; i < 12; ++i) d.Add(picCARD, i, {.Left = ..., .Top = ...});   // in Layout
//   picCARD.Handle(&qby::PictureBox::Click, this, &frmLESSPAIR_Form::picCARD_Click);  // ctor
//   void frmLESSPAIR_Form::picCARD_Click(int Index) { picCARD(Index).Enabled(false); }
//
// A modal box owned by the main frame; the call returns when the box has unloaded (or hidden):
//   frmMSGCRECT->lblWordWas.Caption("You have found " + word);   // loads the box, runs its load
//   frmMSGCRECT->Show(qby::vbModal, mdiPROGMAIN);
//
// Inside a form or user control class the member function Picture hides the picture type: name
// the type StdPicture there (qby::StdPicture p = imgMATCH(j).Picture();).
//
// A user control on a form (its stored properties, as the design keeps them, come last):
//   picbtn btnpEXIT{this, "btnpEXIT"};
//   d.Add(btnpEXIT, {.Left = 7605, .Top = 450}, {{"ENABLED", true}, {"ToolTip", ""}});
//   btnpEXIT.Click.Handle(this, &frmLESSALPH_Form::btnpEXIT_Click);
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/DrawingSurface.h"
#include "platform/forms/Picture.h"
#include "platform/forms/Types.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qby {

class Design;
class Form;

namespace detail {
class FormState;
class Access;
}

// Something that holds controls: a form or a user control.
class ControlHost {
public:
    virtual ~ControlHost();
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;

    // The controls registered with this host, in the order of their construction.
    const std::vector<Control*>& Controls() const { return controls_; }
    // The control of this name (and Index, for an element of a control array); null when
    // there is none. Does not load anything.
    Control* FindControl(std::string_view name, int index = -1) const;

    // Loads the window that these controls live on, if it is not loaded.
    virtual void EnsureLoaded() = 0;
    // The form at the top of this host's chain (for a user control: the form it sits on).
    virtual Form* TopForm() = 0;

protected:
    ControlHost() = default;
    // The design: the window's properties and its controls with their design properties, in
    // z-order (later controls lie above earlier ones). Runs at every load, before Form_Load.
    virtual void Layout(Design& design);

private:
    friend class Control;
    friend class detail::Access;
    std::vector<Control*> controls_;
};

class Form : public ControlHost, public DrawingSurface {
public:
    explicit Form(std::string name);
    ~Form() override;

    const std::string& Name() const { return name_; }

    // Loading and showing.
    void Load();
    // Form_QueryUnload(Cancel, vbFormCode), then Form_Unload(Cancel); if neither cancels, the
    // window and its controls are destroyed. Unloading an unloaded form does nothing.
    void Unload();
    bool IsLoaded() const;  // does not load
    // vbModeless returns at once; vbModal runs a nested message loop and returns when the form
    // has been unloaded or hidden. Showing modal a form that is already on the screen does
    // nothing; when it is shown modal already, that is a programming error, reported as such
    // (SetProgrammingErrorHandler).
    void Show(int style = vbModeless, Form* owner = nullptr);
    void Show(int style, Form& owner) { Show(style, &owner); }
    void Hide();
    bool IsModal() const;  // shown modal right now; does not load

    bool Visible();
    void Visible(bool value);
    bool Enabled();
    void Enabled(bool value);
    std::string Caption();
    void Caption(const std::string& value);
    std::string Tag();
    void Tag(const std::string& value);
    StdPicture Icon();
    void Icon(const StdPicture& value);

    // Outer position and size, in twips (screen coordinates for a top-level window, the main
    // frame's client coordinates for its child windows).
    double Left();
    void Left(double value);
    double Top();
    void Top(double value);
    double Width();
    void Width(double value);
    double Height();
    void Height(double value);
    void Move(double left, std::optional<double> top = {}, std::optional<double> width = {},
              std::optional<double> height = {});
    int WindowState();
    void WindowState(int value);

    OLE_COLOR BackColor();
    void BackColor(OLE_COLOR value);
    OLE_COLOR ForeColor();
    void ForeColor(OLE_COLOR value);
    std::string FontName();
    void FontName(const std::string& value);
    double FontSize();
    void FontSize(double value);
    bool FontBold();
    void FontBold(bool value);
    bool FontItalic();
    void FontItalic(bool value);
    bool FontUnderline();
    void FontUnderline(bool value);
    int MousePointer();
    void MousePointer(int value);
    StdPicture MouseIcon();
    void MouseIcon(const StdPicture& value);

    void Refresh();
    void ZOrder(int position = 0);

    // Runs Form_Initialize the first time the form is used (DefaultInstance calls it; Load
    // does too).
    void EnsureInitialized();

    void EnsureLoaded() override { Load(); }
    Form* TopForm() override { return this; }

protected:
    // Event handlers, overridden by windows that handle them.
    virtual void Form_Initialize() {}
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    virtual void Form_Resize() {}
    virtual void Form_QueryUnload(int& Cancel, int UnloadMode);
    virtual void Form_Unload(int& Cancel);
    virtual void Form_Click() {}
    virtual void Form_DblClick() {}
    virtual void Form_MouseDown(int Button, int Shift, float X, float Y);
    virtual void Form_MouseMove(int Button, int Shift, float X, float Y);
    virtual void Form_MouseUp(int Button, int Shift, float X, float Y);

    // True for the main frame (MDIForm).
    virtual bool isMdiFrame() const { return false; }

private:
    friend class detail::Access;
    detail::SurfaceImpl* drawingSurface() override;

    std::string name_;
    std::unique_ptr<detail::FormState> state_;
};

// The main frame: one top-level window whose client area shows its child forms (forms whose
// design says MDIChild), each filling the client area when its WindowState is maximized.
// Unloading it asks the frame and every loaded child (QueryUnload with vbFormMDIForm), then
// unloads the children and the frame.
class MDIForm : public Form {
public:
    using Form::Form;

    // The child form in front, or null.
    Form* ActiveForm();

protected:
    virtual void MDIForm_Initialize() {}
    virtual void MDIForm_Load() {}
    virtual void MDIForm_Activate() {}
    virtual void MDIForm_Resize() {}
    virtual void MDIForm_QueryUnload(int& Cancel, int UnloadMode);
    virtual void MDIForm_Unload(int& Cancel);

    bool isMdiFrame() const final { return true; }

private:
    void Form_Initialize() final { MDIForm_Initialize(); }
    void Form_Load() final { MDIForm_Load(); }
    void Form_Activate() final { MDIForm_Activate(); }
    void Form_Resize() final { MDIForm_Resize(); }
    void Form_QueryUnload(int& Cancel, int UnloadMode) final { MDIForm_QueryUnload(Cancel, UnloadMode); }
    void Form_Unload(int& Cancel) final { MDIForm_Unload(Cancel); }
};

// The one default instance of a form class, created on first use and kept for the run.
// Use: inline qby::DefaultInstance<frmMAINMENU_Form> frmMAINMENU;  then frmMAINMENU->Show();
template <class T>
class DefaultInstance {
public:
    DefaultInstance() = default;
    DefaultInstance(const DefaultInstance&) = delete;
    DefaultInstance& operator=(const DefaultInstance&) = delete;

    T& get()
    {
        if (!instance_)
            instance_ = std::make_unique<T>();
        instance_->EnsureInitialized();
        return *instance_;
    }
    T* operator->() { return &get(); }
    T& operator*() { return get(); }
    operator T&() { return get(); }  // NOLINT: lets the instance stand where a form is expected
    // True once the instance has been created (does not create it).
    bool Exists() const { return instance_ != nullptr; }

private:
    std::unique_ptr<T> instance_;
};

// Every form object that exists now, and those of them that are loaded.
std::vector<Form*> AllForms();
std::vector<Form*> LoadedForms();

}  // namespace qby
