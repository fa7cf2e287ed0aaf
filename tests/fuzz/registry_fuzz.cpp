// Fuzzes the registry file parser: any bytes must answer "damaged" or a tree, and a tree must
// survive being written and read again unchanged. The salvage of a damaged file likewise: any
// bytes give a tree that is written and read back unchanged, the same tree as the parser's
// wherever the parser reads the text.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/registry/RegistryText.h"

using namespace qby::registry;

namespace {

void fail(const char* what, std::string_view text)
{
    std::fprintf(stderr, "registry_fuzz: %s\n--- input ---\n%.*s\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

void checkWrittenBack(const Tree& tree)
{
    const std::string written = writeRegistryText(tree);
    const ParsedText again = parseRegistryText(written);
    if (!again.ok) {
        fail(("the written file does not read back: " + again.problem).c_str(), written);
    }
    if (!(again.tree == tree)) {
        fail("the written file reads back different", written);
    }
    if (writeRegistryText(again.tree) != written) {
        fail("writing the same tree twice gives different files", written);
    }
}

void check(std::string_view text)
{
    const ParsedText parsed = parseRegistryText(text);
    const Tree salvaged = salvageRegistryText(text);
    if (!parsed.ok) {
        if (parsed.problem.empty() || !parsed.tree.empty()) {
            fail("a damaged file must say why and answer no keys", text);
        }
        checkWrittenBack(salvaged);
        return;
    }
    if (!(salvaged == parsed.tree)) {
        fail("the salvage of a file that parses differs from the parser's tree", text);
    }
    checkWrittenBack(parsed.tree);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check(text);
    // The same bytes with a matching end line, so the checked path's body parser is reached too.
    std::string sealed(text);
    if (!sealed.empty() && sealed.back() != '\n') {
        sealed += '\n';
    }
    char end[48];
    std::snprintf(end, sizeof end, "; end %zu %08x\n", sealed.size(), static_cast<unsigned>(crc32(sealed)));
    sealed += end;
    check(sealed);
    return 0;
}
