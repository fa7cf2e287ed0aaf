#include "sizeguard/SizeguardUsage.h"

ServerUsage& SizeguardUsage()
{
    static ServerUsage usage;
    return usage;
}
