// Fuzzes the word tables reader (the subject table and the word list): any bytes become valid
// UTF-8 text with every CR LF turned into "|", and the walk over its fields gives back exactly
// the text, field by field; finding a field stops right after its first occurrence.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "lessons/WordTables.h"

namespace {

void fail(const char* what)
{
    std::fprintf(stderr, "wordtables_fuzz: %s\n", what);
    std::abort();
}

bool ValidUtf8(const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) continue;
        // Bytes above 127 come out as two-byte sequences.
        if ((byte & 0xE0) != 0xC0 || i + 1 >= text.size() ||
            (static_cast<unsigned char>(text[i + 1]) & 0xC0) != 0x80)
            return false;
        ++i;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text = WordTableText(std::vector<std::uint8_t>(data, data + size));
    if (text.find("\r\n") != std::string::npos) fail("a line end was left in the text");
    if (!ValidUtf8(text)) fail("the text is not valid UTF-8");

    // Every field in order, as NextField walks them: one more than there are separators.
    TableFields walk(text);
    std::vector<std::string> fields;
    std::string joined;
    const std::size_t separators = static_cast<std::size_t>(std::count(text.begin(), text.end(), '|'));
    for (std::size_t i = 0; i <= separators; ++i) {
        fields.push_back(walk.NextField());
        if (fields.back().find('|') != std::string::npos) fail("a field holds the separator");
        joined += (i == 0 ? "" : "|") + fields.back();
    }
    if (joined != text) fail("the fields do not make up the text");
    for (int i = 0; i < 3; ++i) {
        if (!walk.NextField().empty()) fail("a field after the end of the text");
    }

    // FindField stops after the first field equal to the one asked for. A text that ends with "|"
    // (or is empty) has no field after it: the walk's last answer there only says it is used up.
    const std::size_t realFields = text.empty() || text.back() == '|' ? fields.size() - 1 : fields.size();
    for (std::size_t i = 0; i < realFields && i < 8; ++i) {
        std::size_t first = 0;
        while (fields[first] != fields[i]) ++first;
        TableFields find(text);
        if (!find.FindField(fields[i])) fail("a field of the text was not found");
        const std::string expected = first + 1 < fields.size() ? fields[first + 1] : "";
        if (find.NextField() != expected) fail("the field after a found one is not the next field");
    }
    if (TableFields(text).FindField("a|b")) fail("found a field holding the separator");
    return 0;
}
