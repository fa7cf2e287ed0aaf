// The resource index holds names and places only: building it reads no resource's data, so the
// program's pages of pictures and recordings stay out of memory until one is asked for. Checked
// in a fresh process (a death test that re-runs this program), through its resident memory.
#include "platform/forms/BackgroundWork.h"
#include "platform/resources/Resources.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace qby {
namespace {

// Resident memory of this process in kB (file-backed pages of the program image included).
long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

[[noreturn]] void Finish(const std::string& failed)
{
    if (!failed.empty()) {
        std::fprintf(stderr, "%s\n", failed.c_str());
        std::_Exit(1);
    }
    std::_Exit(0);
}

TEST(ResourceIndex, ReadsNoDataUntilAResourceIsAskedFor)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            // What the runtime loads on its workers at start (fontconfig's caches) is no part of
            // the index: it ends first.
            detail::WaitForBackgroundWork();
            const long before = ResidentKilobytes();
            // Builds the index of every type, and finds one resource without reading it.
            const auto words = ResourceNames("WORDS");
            if (words.size() < 100 || !ResourceExists(words.front(), "WORDS"))
                Finish("the recordings are not embedded");
            const long indexed = ResidentKilobytes();
            // The recordings themselves: several megabytes, which the index must not have read.
            std::size_t wordBytes = 0;
            for (const std::string& word : words)
                wordBytes += LoadResData(word, "WORDS").size();
            if (wordBytes < 4u << 20)
                Finish("too few recordings to tell: " + std::to_string(wordBytes) + " bytes");
            if (indexed - before > 1024)
                Finish("the index made " + std::to_string(indexed - before) + " kB resident");
            Finish("");
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace qby
