// The form and control runtime in one include: forms, controls, user controls, designs,
// pictures, the Screen object and the message loop.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Design.h"
#include "platform/forms/DrawingSurface.h"
#include "platform/forms/Form.h"
#include "platform/forms/Picture.h"
#include "platform/forms/Runtime.h"
#include "platform/forms/Types.h"
#include "platform/forms/UserControl.h"
#include "platform/forms/VisualControl.h"
