#include "platform/comctl/CommonControls.h"

void InitCommonControls() {}
