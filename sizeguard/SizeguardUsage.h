// Library-wide state of Sizeguard: the count of its live objects and factory locks.
#pragma once

#include "platform/com/ClassFactory.h"

ServerUsage& SizeguardUsage();
