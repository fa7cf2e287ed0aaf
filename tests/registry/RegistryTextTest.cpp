// The registry file's text form: what is written, what reads back, and what counts as damaged.
#include <gtest/gtest.h>

#include "platform/registry/RegistryText.h"

using namespace qby::registry;

namespace {

Tree sampleTree()
{
    Tree tree;
    const std::string settings = "HKEY_CURRENT_USER\\SOFTWARE\\Orvane\\Quillby\\frmPROGMENUMAINDETAILS";
    tree.create(settings);
    Key& key = *tree.find(settings);
    setValue(key, {"LANGUAGE", 1, {'E', 'N', 'G', 'L', 'I', 'S', 'H', 0}});
    setValue(key, {"", 1, {'a', '"', '\\', 0}});
    setValue(key, {"Count", 4, {0x1f, 0, 0, 0}});
    setValue(key, {"Path", 2, {'%', 0, 'H', 0, 0, 0}});
    setValue(key, {"Blob", 3, {0xde, 0xad}});
    std::vector<std::uint8_t> long_(40);
    for (std::size_t i = 0; i < long_.size(); ++i) {
        long_[i] = static_cast<std::uint8_t>(i);
    }
    setValue(key, {"Long", 3, long_});
    setValue(key, {"None", 0, {}});
    setValue(key, {"Short dword", 4, {1, 2}});
    return tree;
}

std::string endLineFor(std::string_view body)
{
    char checksum[16];
    std::snprintf(checksum, sizeof checksum, "%08x", crc32(body));
    return "; end " + std::to_string(body.size()) + " " + checksum + "\n";
}

const std::string kHandHeader = "Quillby Registry File 1\n";

TEST(RegistryText, ChecksumIsTheStandardCrc32)
{
    EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(crc32(""), 0u);
}

TEST(RegistryText, WritesAFileAPersonCanRead)
{
    const std::string body =
        "Quillby Registry File 1\n"
        "; This file is checked against its last line. To edit it by hand, delete this line and the last line.\n"
        "\n"
        "[HKEY_CURRENT_USER]\n"
        "\n"
        "[HKEY_CURRENT_USER\\SOFTWARE]\n"
        "\n"
        "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane]\n"
        "\n"
        "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane\\Quillby]\n"
        "\n"
        "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane\\Quillby\\frmPROGMENUMAINDETAILS]\n"
        "\"LANGUAGE\"=\"ENGLISH\"\n"
        "@=\"a\\\"\\\\\"\n"
        "\"Count\"=dword:0000001f\n"
        "\"Path\"=hex(2):25,00,48,00,00,00\n"
        "\"Blob\"=hex:de,ad\n"
        "\"Long\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,\\\n"
        "  16,17,18,19,1a,1b,1c,1d,1e,1f,20,21,22,23,24,25,26,27\n"
        "\"None\"=hex(0):\n"
        "\"Short dword\"=hex(4):01,02\n"
        "\n";
    EXPECT_EQ(writeRegistryText(sampleTree()), body + endLineFor(body));
}

TEST(RegistryText, EveryWrittenTreeReadsBackTheSame)
{
    Tree tree = sampleTree();
    tree.create("HKEY_CURRENT_USER\\SOFTWARE\\Classes\\CLSID\\{0A1B}\\InprocServer32");
    tree.create("HKEY_CURRENT_USER\\Software B");  // sorts between its neighbours' children
    std::vector<std::uint8_t> big(5000);
    for (std::size_t i = 0; i < big.size(); ++i) {
        big[i] = static_cast<std::uint8_t>(i * 7);
    }
    setValue(*tree.find("HKEY_CURRENT_USER\\Software B"), {"Big", 0x12345678, big});
    setValue(*tree.find("HKEY_CURRENT_USER"), {"Tab in text", 1, {'a', '\t', 0}});
    const ParsedText parsed = parseRegistryText(writeRegistryText(tree));
    ASSERT_TRUE(parsed.ok) << parsed.problem;
    EXPECT_EQ(parsed.tree, tree);
}

TEST(RegistryText, EveryCutOfACheckedFileIsDetected)
{
    const std::string text = writeRegistryText(sampleTree());
    for (std::size_t length = 0; length < text.size(); ++length) {
        const ParsedText parsed = parseRegistryText(std::string_view(text).substr(0, length));
        if (text.substr(0, length) == kHandHeader) {
            // The header alone is the one cut that cannot be told from a hand-written empty file.
            EXPECT_TRUE(parsed.ok && parsed.tree.empty());
            continue;
        }
        EXPECT_FALSE(parsed.ok) << "cut at " << length;
    }
}

TEST(RegistryText, EveryFlippedBitOfACheckedFileIsDetected)
{
    const std::string text = writeRegistryText(sampleTree());
    for (std::size_t at = 0; at < text.size(); ++at) {
        for (int bit = 0; bit < 8; ++bit) {
            std::string flipped = text;
            flipped[at] = static_cast<char>(flipped[at] ^ (1 << bit));
            EXPECT_FALSE(parseRegistryText(flipped).ok) << "byte " << at << " bit " << bit;
        }
    }
}

TEST(RegistryText, ACheckedFileEditedWithoutRemovingItsEndLineIsDamaged)
{
    std::string text = writeRegistryText(sampleTree());
    text.replace(text.find("ENGLISH"), 7, "KOREAN!");
    EXPECT_FALSE(parseRegistryText(text).ok);

    // Removing the marker and the end line, as the marker line says, makes it a hand-written file.
    std::string edited = writeRegistryText(sampleTree());
    edited.erase(edited.rfind("; end"));
    const std::size_t marker = edited.find("; This file is checked");
    edited.erase(marker, edited.find('\n', marker) + 1 - marker);
    edited.replace(edited.find("ENGLISH"), 7, "AMERICAN");
    const ParsedText parsed = parseRegistryText(edited);
    ASSERT_TRUE(parsed.ok) << parsed.problem;
    const Key* key = parsed.tree.find("HKEY_CURRENT_USER\\SOFTWARE\\Orvane\\Quillby\\frmPROGMENUMAINDETAILS");
    ASSERT_NE(key, nullptr);
    ASSERT_NE(findValue(*key, "language"), nullptr);
    EXPECT_EQ(findValue(*key, "language")->data, std::vector<std::uint8_t>({'A', 'M', 'E', 'R', 'I', 'C', 'A', 'N', 0}));
}

TEST(RegistryText, AHandWrittenFileIsReadWhenEveryLineParses)
{
    const std::string text = kHandHeader +
                             "\r\n"
                             "; a comment\r\n"
                             "[HKEY_CURRENT_USER\\Software\\Orvane\\Quillby\\frmPROGMENUMAINDETAILS]\r\n"
                             "\"HELP\"=\"ENGLISH\"\r\n"
                             "\"Count\"=dword:1F\r\n"
                             "\"Blob\"=hex:01,\\\r\n"
                             "\t02\r\n"
                             "[hkey_current_user\\SOFTWARE\\ORVANE\\QUILLBY\\frmPROGMENUMAINDETAILS]\r\n"
                             "\"help\"=\"KOREAN\"\r\n"
                             "\"\"=\"default\"\r\n";
    const ParsedText parsed = parseRegistryText(text);
    ASSERT_TRUE(parsed.ok) << parsed.problem;
    const Key* key = parsed.tree.find("HKEY_CURRENT_USER\\SOFTWARE\\Orvane\\Quillby\\frmPROGMENUMAINDETAILS");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->path, "HKEY_CURRENT_USER\\Software\\Orvane\\Quillby\\frmPROGMENUMAINDETAILS");
    ASSERT_EQ(key->values.size(), 4u);
    EXPECT_EQ(key->values[0], (Value{"HELP", 1, {'K', 'O', 'R', 'E', 'A', 'N', 0}})) << "the later line wins";
    EXPECT_EQ(key->values[1], (Value{"Count", 4, {0x1f, 0, 0, 0}}));
    EXPECT_EQ(key->values[2], (Value{"Blob", 3, {1, 2}}));
    EXPECT_EQ(key->values[3].name, "");
}

TEST(RegistryText, MalformedFilesAreDamaged)
{
    const std::string section = "[HKEY_CURRENT_USER\\Software]\n";
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"empty file", ""},
        {"no header", section},
        {"another header", "Other Settings File 1\n" + section},
        {"last line without newline", kHandHeader + section + "\"a\"=\"b\""},
        {"value before any key", kHandHeader + "\"a\"=\"b\"\n"},
        {"deletion syntax", kHandHeader + "[-HKEY_CURRENT_USER\\Software]\n"},
        {"empty key level", kHandHeader + "[HKEY_CURRENT_USER\\\\Software]\n"},
        {"unclosed section", kHandHeader + "[HKEY_CURRENT_USER\\Software\n"},
        {"root that is no root", kHandHeader + "[Software\\Orvane]\n"},
        {"unknown escape", kHandHeader + section + "\"a\"=\"\\n\"\n"},
        {"unterminated text", kHandHeader + section + "\"a\"=\"b\n"},
        {"text followed by more", kHandHeader + section + "\"a\"=\"b\"c\n"},
        {"control byte in text", kHandHeader + section + "\"a\"=\"b\x01\"\n"},
        {"blanks around =", kHandHeader + section + "\"a\" = \"b\"\n"},
        {"nine-digit dword", kHandHeader + section + "\"a\"=dword:123456789\n"},
        {"dword not hex", kHandHeader + section + "\"a\"=dword:12g4\n"},
        {"one-digit byte", kHandHeader + section + "\"a\"=hex:1,2\n"},
        {"trailing comma", kHandHeader + section + "\"a\"=hex:01,\n"},
        {"unclosed type", kHandHeader + section + "\"a\"=hex(2:01\n"},
        {"continuation at the end", kHandHeader + section + "\"a\"=hex:01,\\\n"},
        {"continuation into a blank line", kHandHeader + section + "\"a\"=hex:01,\\\n\n02\n"},
        {"unknown data form", kHandHeader + section + "\"a\"=string:b\n"},
        {"stray line", kHandHeader + section + "LANGUAGE=ENGLISH\n"},
        {"end line not last", kHandHeader + section + "; end 1 00000000\n\"a\"=\"b\"\n"},
        {"marker without end line", kHandHeader + std::string(kCheckedMarker) + "\n" + section},
    };
    for (const auto& [what, text] : cases) {
        const ParsedText parsed = parseRegistryText(text);
        EXPECT_FALSE(parsed.ok) << what;
        EXPECT_FALSE(parsed.problem.empty()) << what;
        EXPECT_TRUE(parsed.tree.empty()) << what;
    }
}

TEST(RegistryText, TheEndLineMustMatchExactly)
{
    const std::string body = kHandHeader + "[HKEY_CURRENT_USER\\Software]\n";
    ASSERT_TRUE(parseRegistryText(body + endLineFor(body)).ok);
    std::string upper = endLineFor(body);
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    EXPECT_FALSE(parseRegistryText(body + "; end" + upper.substr(5)).ok) << "upper-case checksum";
    EXPECT_FALSE(parseRegistryText(body + "; end  " + endLineFor(body).substr(6)).ok) << "two blanks";
    EXPECT_FALSE(parseRegistryText(body + "; end " + std::to_string(body.size() + 1) +
                                   endLineFor(body).substr(endLineFor(body).rfind(' ')))
                     .ok)
        << "wrong size";
    EXPECT_FALSE(parseRegistryText(body + "; end\n").ok) << "no numbers";
}

// The salvage of a damaged file: each line that does not parse costs that line alone, a key line
// that does not parse costs the values under it, and a last line without its newline is not read.
TEST(RegistryText, SalvageKeepsEveryLineThatStillParses)
{
    const std::string user = "HKEY_CURRENT_USER\\SOFTWARE\\";
    const std::string text = "Quillby Registry File 1\n"
                             "[" + user + "A]\n"
                             "\"kept\"=\"1\"\n"
                             "\"broken\"=\"no closing quote\n"
                             "\"after\"=dword:00000002\n"
                             "[" + user + "B\n"
                             "\"lost with its key\"=\"3\"\n"
                             "[" + user + "C]\n"
                             "\"bytes\"=hex:01,02,\\\n"
                             "[" + user + "D]\n"
                             "\"in D\"=\"4\"\n"
                             "; end 12 00000000\n"
                             "\"cut\"=dword:000";
    ASSERT_FALSE(parseRegistryText(text).ok);
    const Tree tree = salvageRegistryText(text);
    const Key* a = tree.find(user + "A");
    ASSERT_NE(a, nullptr);
    EXPECT_NE(findValue(*a, "kept"), nullptr);
    EXPECT_EQ(findValue(*a, "broken"), nullptr);
    EXPECT_NE(findValue(*a, "after"), nullptr);
    EXPECT_EQ(tree.find(user + "B"), nullptr);
    ASSERT_NE(tree.find(user + "C"), nullptr);
    EXPECT_TRUE(tree.find(user + "C")->values.empty()) << "a byte list cut off by the next key";
    const Key* d = tree.find(user + "D");
    ASSERT_NE(d, nullptr) << "the key line after a cut byte list is read as a key";
    EXPECT_EQ(d->values.size(), 1u) << "the half last line is not read, even where it would parse";

    // A file that parses salvages to the same tree; one edited by hand keeping its stale end
    // line salvages whole.
    const std::string written = writeRegistryText(sampleTree());
    EXPECT_EQ(salvageRegistryText(written), sampleTree());
    std::string edited = written;
    edited.replace(edited.find("ENGLISH"), 7, "AMERICAN");
    ASSERT_FALSE(parseRegistryText(edited).ok);
    Tree expected = sampleTree();
    setValue(*expected.find("HKEY_CURRENT_USER\\SOFTWARE\\Orvane\\Quillby\\frmPROGMENUMAINDETAILS"),
             {"LANGUAGE", 1, {'A', 'M', 'E', 'R', 'I', 'C', 'A', 'N', 0}});
    EXPECT_EQ(salvageRegistryText(edited), expected);
}

}  // namespace
