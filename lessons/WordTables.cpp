#include "lessons/WordTables.h"

#include "core/modGLOBALS.h"
#include "platform/resources/Resources.h"

#include <cstdint>
#include <vector>

std::string WordTableName(const std::string& kind)
{
    return (strLanguage == "ENGLISH" ? "ENG_" : "US_") + kind;
}

std::string ReadWordTable(const std::string& name)
{
    return WordTableText(qby::LoadResData(name, "DATA"));
}
