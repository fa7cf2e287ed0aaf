// The tip window that picture buttons talk to: frmTOOLTIP's default instance, or what a test
// puts in its place. When no tip window can be had, the buttons work on without a tip.
#pragma once

#include <functional>

class frmTOOLTIP_Form;

using TipWindowSource = std::function<frmTOOLTIP_Form*()>;

// Replaces where the buttons find the tip window; an empty source restores the default instance.
// A source that returns null (or throws) stands for a tip window that cannot be created.
void SetTipWindowSource(TipWindowSource source);
