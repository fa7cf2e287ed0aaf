#include "platform/user/Memory.h"

#include <cstring>

void RtlMoveMemory(void* destination, const void* source, std::size_t length)
{
    if (destination == nullptr || source == nullptr || length == 0)
        return;
    std::memmove(destination, source, length);
}
