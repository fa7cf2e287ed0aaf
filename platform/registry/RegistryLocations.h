// Where the registry files are, and the stores that stand for them.
//
// HKEY_CURRENT_USER: ${XDG_CONFIG_HOME:-$HOME/.config}/quillby/registry.reg (an XDG_CONFIG_HOME
// that is not an absolute path is ignored, as the XDG base directory rules say).
// HKEY_LOCAL_MACHINE: $QUILLBY_MACHINE_REGISTRY, else <prefix>/share/quillby/registry.reg where
// <prefix> is the folder above the running executable's folder.
// The paths are looked up on every call, so a changed environment takes effect at once.
#pragma once

#include <string>

#include "platform/registry/RegistryStore.h"

namespace qby::registry {

// Empty when no configuration folder can be named.
std::string userRegistryPath();
// Empty when the executable's location is unknown and the variable is not set.
std::string machineRegistryPath();
// True when QUILLBY_REGISTER_MACHINE=1: writes through HKEY_CLASSES_ROOT go machine-wide.
bool classesGoMachineWide();

// The store of the current path; null when there is no path. Stores live to the end of the run.
Store* userStore();
Store* machineStore();

}  // namespace qby::registry
