// The life of a form (internal): loading from its design, showing (modeless, modal, inside the
// main frame), hiding, unloading with its questions, destroying; and the form's own events.
#pragma once

#include "platform/forms/Form.h"

namespace qby::detail {

class FormLifecycle {
public:
    static bool load(Form& form);
    static bool unload(Form& form, int mode);
    static void destroy(Form& form, bool runTerminate);
    static void show(Form& form, int style, Form* owner);
    static void hide(Form& form);
    static void shownOrHidden(Form& form, bool shown);
    static void closeRequested(Form& form);
    static void activated(Form& form);
    // A child window of the main frame is being loaded: the frame, when loaded, is displayed.
    static void displayFrameFor(Form& child);

    // Form events (each one guarded: not while designing, not when ending).
    static void raiseResize(Form& form);
    static void raiseMouse(Form& form, int kind, int button, int shift, float x, float y);
    static void raiseClick(Form& form, bool doubleClick);
};

}  // namespace qby::detail
