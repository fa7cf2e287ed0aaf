// The loaded part of a form (internal): its window, its drawing surface and the loaded parts of
// its controls; and the state a form keeps across loads.
#pragma once

#include "platform/forms/Impl.h"

#include <QEventLoop>

#include <memory>
#include <string>
#include <vector>

namespace qby::detail {

// The loaded part of a form: its window and every control's loaded part.
class FormLive : public ContainerNode {
public:
    explicit FormLive(Form& form) : form(form) {}
    ~FormLive() override;

    Form& form;
    QPointer<QWidget> window;       // the form's widget
    QPointer<QWidget> mdiClient;    // the main frame's client area
    std::unique_ptr<SurfaceImpl> surface;
    Look look;
    HWND handle = 0;
    bool designing = true;
    bool unloading = false;
    bool destroying = false;
    bool shownOnce = false;
    bool querying = false;  // inside the size query (its limits may resize the window)
    bool enabled = true;
    std::string caption;
    std::string tag;
    Picture icon;
    int borderStyle = vbSizable;
    bool controlBox = true;
    bool minButton = true;
    bool maxButton = true;
    bool minMaxGiven = false;
    bool showInTaskbar = true;
    int startUpPosition = vbStartUpManual;
    int windowState = vbNormal;
    bool mdiChild = false;
    bool userMode = true;
    QSize lastClientSize;
    QSize minimumOuter{0, 0};
    QSize maximumOuter{QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};

    std::vector<std::unique_ptr<ControlImpl>> impls;
    std::vector<ExternalControl*> external;  // their objects are owned by the controls

    QWidget* childParent() override { return window.data(); }
    int containerScaleMode() const override { return surface ? surface->scaleMode : vbTwips; }
    void applyWindowFlags();
    // WM_GETMINMAXINFO through the chain, then (when apply) the limits applied to the window.
    void queryMinMax(bool apply = true);
    void clientSizeMaybeChanged();
};

class FormState {
public:
    bool initialized = false;
    std::unique_ptr<FormLive> live;
    QEventLoop* modalLoop = nullptr;
    bool loading = false;
};

}  // namespace qby::detail
