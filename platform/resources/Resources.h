// The resource store: the pictures, recordings, skins, cursor and word tables carried inside the
// program, each addressed by a type ("AUDIO", "WORDS", "CUSTOM", "DIALOG", "bitmap", "CURSOR",
// "DATA", "TEXT", "DESIGN/<form>", ...) and a name ("CLICK", "ICECREAM", "101").
//
// Types and names are compared without regard to case. A numeric name may be written with a
// leading "#": "#101" and "101" are the same resource. A lookup that finds nothing gives empty
// bytes; no function here reports a failure in any other way. Pictures: ResourcePictures.h.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qby {

// The raw bytes of the resource; empty when there is no such resource.
std::vector<std::uint8_t> LoadResData(std::string_view name, std::string_view type);
std::vector<std::uint8_t> LoadResData(int id, std::string_view type);

bool ResourceExists(std::string_view name, std::string_view type);

// The names of every resource of one type, as stored (upper case for program resources), in
// ascending order.
std::vector<std::string> ResourceNames(std::string_view type);

// "TYPE/NAME" (as stored) of a resource whose bytes equal `bytes`, or "" when none does; among
// equal resources the first in type-then-name order. Tells a test which sound or picture the
// program handed to the platform.
std::string IdentifyResource(std::span<const std::uint8_t> bytes);

// Adds a resource for the rest of the run, or replaces one with the same type and name (embedded
// or added). Tests use it to provide fixtures; the program only reads.
void AddResource(std::string_view type, std::string_view name, std::vector<std::uint8_t> bytes);
// Removes a resource added with AddResource; an embedded resource it replaced comes back.
void RemoveAddedResource(std::string_view type, std::string_view name);

}  // namespace qby
