// The loaded part of a form (internal): its window, its drawing surface and the loaded parts of
// its controls; and the state a form keeps across loads.
#pragma once

#include "platform/forms/Impl.h"

#include <QEventLoop>

#include <memory>
#include <string>
#include <vector>

namespace qby::detail {

// The design properties of a form's window that decide its frame, its buttons and its place.
struct WindowStyle {
    int borderStyle = vbSizable;
    bool controlBox = true;
    bool minButton = true;
    bool maxButton = true;
    bool minMaxGiven = false;  // the design names MinButton or MaxButton
    bool showInTaskbar = true;
    int startUpPosition = vbStartUpManual;
    int windowState = vbNormal;
    bool mdiChild = false;
};

// The loaded part of a form: its window and every control's loaded part.
class FormLive : public ContainerNode {
public:
    explicit FormLive(Form& form) : form_(form) {}
    ~FormLive() override;
    Form& form() const { return form_; }
    FormLive(const FormLive&) = delete;
    FormLive& operator=(const FormLive&) = delete;

    // The window, made once right after the loaded part: the form's widget with its drawing
    // surface and window handle, and for the main frame the client area of its child windows.
    void createWindow();
    // Lets the widget go (it is deleted once control returns to the event loop).
    void releaseWindow();
    QWidget* window() const { return window_.data(); }
    QWidget* mdiClient() const { return mdiClient_.data(); }
    SurfaceImpl* surface() const { return surface_.get(); }
    HWND handle() const { return handle_; }

    // What the form's properties read and write while it is loaded.
    Look look;
    std::string caption;
    std::string tag;
    Picture icon;
    bool enabled = true;
    bool userMode = true;  // False: opened by a designer (Ambient.UserMode of its user controls)
    WindowStyle style;

    // Where the form is in its life: built from its design (no events run), in use, being
    // unloaded (its questions are being asked), being destroyed.
    bool designing() const { return designing_; }
    void finishDesign() { designing_ = false; }
    bool unloading() const { return unloading_; }
    void beginUnloading() { unloading_ = true; }
    void cancelUnloading() { unloading_ = false; }
    bool destroying() const { return destroying_; }
    void beginDestroying() { destroying_ = true; }
    // Whether the window has been shown since the form loaded.
    bool shownBefore() const { return shownOnce_; }
    void markShown() { shownOnce_ = true; }

    // The loaded parts of the controls, in the order the design made them.
    void own(std::unique_ptr<ControlImpl> part) { parts_.push_back(std::move(part)); }
    const std::vector<std::unique_ptr<ControlImpl>>& controlParts() const { return parts_; }
    // Controls made by class id; their objects are owned by the controls.
    void addExternal(ExternalControl* control) { external_.push_back(control); }
    void removeExternal(ExternalControl* control);
    std::vector<ExternalControl*> takeExternal() { return std::exchange(external_, {}); }

    QWidget* childParent() override { return window_.data(); }
    int containerScaleMode() const override { return surface_ ? surface_->scaleMode : vbTwips; }
    void applyWindowFlags();
    // WM_GETMINMAXINFO through the chain, then (when apply) the limits applied to the window.
    void queryMinMax(bool apply = true);
    // Raises Form_Resize when the client area's size differs from the one last seen.
    void clientSizeMaybeChanged();
    // The client area's size as it is now counts as seen (no Form_Resize for it).
    void noteClientSize();
    // The next size counts as a change (the window moved into another parent).
    void forgetClientSize() { lastClientSize_ = QSize(); }

private:
    Form& form_;
    QPointer<QWidget> window_;
    QPointer<QWidget> mdiClient_;
    std::unique_ptr<SurfaceImpl> surface_;
    HWND handle_ = 0;

    bool designing_ = true;
    bool unloading_ = false;
    bool destroying_ = false;
    bool shownOnce_ = false;
    bool querying_ = false;  // inside the size query (its limits may resize the window)
    QSize lastClientSize_;
    QSize minimumOuter_{0, 0};
    QSize maximumOuter_{QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};

    std::vector<std::unique_ptr<ControlImpl>> parts_;
    std::vector<ExternalControl*> external_;
};

class FormState {
public:
    bool initialized = false;
    std::unique_ptr<FormLive> live;
    QEventLoop* modalLoop = nullptr;
    bool loading = false;
};

}  // namespace qby::detail
