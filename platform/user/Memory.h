// Copying raw memory, as the size query's handlers copy its record in and out.
#pragma once

#include <cstddef>

// Copies length bytes from source to destination (the areas may overlap). Null pointers copy
// nothing.
void RtlMoveMemory(void* destination, const void* source, std::size_t length);
