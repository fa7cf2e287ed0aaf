// The interface-text lookup: every caption, tooltip and help line in the learner's help language.
#pragma once

#include <cstdint>
#include <string>

// Builds strProgramText for "ENGLISH" or "KOREAN" (exact words); any other value, or no text
// object, leaves it as it is.
void SetHelpLanguage(const std::string& language);

// Interface text `number` (1 to 51) in the help language stored in the registry, which is read
// on every call; "0" when there is no such text (also for every number but 1 when no list could
// ever be built).
std::string GetHelpText(std::int32_t number);
