// Reading the registry file's text form; see RegistryText.h for the rules on damage.
#include <optional>
#include <unordered_map>

#include "platform/registry/RegistryText.h"

namespace qby::registry {

namespace {

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// Lines may end with CR LF when a person edited the file elsewhere.
std::string_view withoutCarriageReturn(std::string_view line)
{
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// One to eight hex digits making up all of `text`.
std::optional<std::uint32_t> parseHexNumber(std::string_view text)
{
    if (text.empty() || text.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t number = 0;
    for (char c : text) {
        int digit = hexDigit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        number = (number << 4) | static_cast<std::uint32_t>(digit);
    }
    return number;
}

// "; end <size> <crc32>": the size in decimal, the checksum in eight lower-case hex digits.
bool endLineMatches(std::string_view line, std::string_view body)
{
    std::string_view rest = line.substr(kEndLinePrefix.size());
    if (rest.empty() || rest.front() != ' ') {
        return false;
    }
    rest.remove_prefix(1);
    std::size_t space = rest.find(' ');
    if (space == std::string_view::npos || space == 0 || space > 10) {
        return false;
    }
    std::uint64_t size = 0;
    for (char c : rest.substr(0, space)) {
        if (c < '0' || c > '9') {
            return false;
        }
        size = size * 10 + static_cast<std::uint64_t>(c - '0');
    }
    std::string_view checksum = rest.substr(space + 1);
    if (checksum.size() != 8) {
        return false;
    }
    for (char c : checksum) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) {
            return false;
        }
    }
    return size == body.size() && parseHexNumber(checksum) == crc32(body);
}

// A quoted text at the start of `text`: consumed from `text`, unescaped into `out`.
bool takeQuoted(std::string_view& text, std::string& out)
{
    if (text.empty() || text.front() != '"') {
        return false;
    }
    std::size_t i = 1;
    while (i < text.size()) {
        char c = text[i];
        if (c == '"') {
            text.remove_prefix(i + 1);
            return true;
        }
        if (c == '\\') {
            if (i + 1 >= text.size() || (text[i + 1] != '\\' && text[i + 1] != '"')) {
                return false;
            }
            c = text[++i];
        } else if (!isNameByte(static_cast<unsigned char>(c))) {
            return false;
        }
        out += c;
        ++i;
    }
    return false;
}

// "xx,xx,...,xx" (possibly empty) into bytes.
bool parseByteList(std::string_view list, std::vector<std::uint8_t>& bytes)
{
    if (list.empty()) {
        return true;
    }
    for (;;) {
        if (list.size() < 2) {
            return false;
        }
        int high = hexDigit(list[0]);
        int low = hexDigit(list[1]);
        if (high < 0 || low < 0) {
            return false;
        }
        bytes.push_back(static_cast<std::uint8_t>(high << 4 | low));
        list.remove_prefix(2);
        if (list.empty()) {
            return true;
        }
        if (list.front() != ',') {
            return false;
        }
        list.remove_prefix(1);
    }
}

// The part of a value line after "=".
bool parseData(std::string_view text, Value& value)
{
    if (!text.empty() && text.front() == '"') {
        std::string content;
        if (!takeQuoted(text, content) || !text.empty()) {
            return false;
        }
        value.type = kRegSz;
        value.data.assign(content.begin(), content.end());
        value.data.push_back(0);
        return true;
    }
    if (startsWith(text, "dword:")) {
        auto number = parseHexNumber(text.substr(6));
        if (!number) {
            return false;
        }
        value.type = kRegDword;
        value.data = {static_cast<std::uint8_t>(*number), static_cast<std::uint8_t>(*number >> 8),
                      static_cast<std::uint8_t>(*number >> 16), static_cast<std::uint8_t>(*number >> 24)};
        return true;
    }
    if (startsWith(text, "hex:")) {
        value.type = kRegBinary;
        return parseByteList(text.substr(4), value.data);
    }
    if (startsWith(text, "hex(")) {
        std::size_t close = text.find("):");
        if (close == std::string_view::npos) {
            return false;
        }
        auto type = parseHexNumber(text.substr(4, close - 4));
        if (!type) {
            return false;
        }
        value.type = *type;
        return parseByteList(text.substr(close + 2), value.data);
    }
    return false;
}

// A section's key path: a root "HKEY_SOMETHING" (in any case) and then any levels.
bool isSectionPath(std::string_view path)
{
    if (!isValidKeyPath(path)) {
        return false;
    }
    std::string_view root = path.substr(0, path.find('\\'));
    if (root.size() <= 5 || !equalFolded(root.substr(0, 5), "HKEY_")) {
        return false;
    }
    for (char c : root) {
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_')) {
            return false;
        }
    }
    return true;
}

// Reads the lines of a file's body. Strictly, the first line that does not parse makes the
// whole text damaged; salvaging, such a line is passed over (and with a key line that does not
// parse, the values under it, which belong to no key known) and the rest is read.
class BodyParser {
public:
    BodyParser(std::string_view body, bool salvaging) : body_(body), salvaging_(salvaging) {}

    // Fills `tree`; answers the first problem, or an empty text when every line parsed.
    std::string parse(Tree& tree, bool& sawMarker)
    {
        std::string_view line;
        if (!nextLine(line) || line != kFileHeader) {
            if (!salvaging_) {
                return "the first line is not the registry file header";
            }
            // Whatever stands in the header's place is read like any other line.
            position_ = 0;
            lineNumber_ = 0;
        }
        std::string firstProblem;
        Key* key = nullptr;
        while (nextLine(line)) {
            const char* problem = parseLine(line, tree, key, sawMarker);
            if (problem == nullptr) {
                continue;
            }
            if (firstProblem.empty()) {
                firstProblem = problemAt(problem);
            }
            if (!salvaging_) {
                break;
            }
        }
        return firstProblem;
    }

private:
    // One line (with the lines continuing it); answers what is wrong with it, or null.
    const char* parseLine(std::string_view line, Tree& tree, Key*& key, bool& sawMarker)
    {
        if (line.empty()) {
            return nullptr;
        }
        if (line.front() == ';') {
            if (startsWith(line, kEndLinePrefix) && !salvaging_) {
                return "an end line that is not the last line";
            }
            sawMarker = sawMarker || line == kCheckedMarker;
            return nullptr;
        }
        if (line.front() == '[') {
            key = nullptr;
            std::string_view path = line.substr(1);
            if (path.empty() || path.back() != ']' || !isSectionPath(path.substr(0, path.size() - 1))) {
                return "a key name that is not valid";
            }
            path.remove_suffix(1);
            tree.create(path);
            key = tree.find(path);
            return nullptr;
        }
        if (line.front() != '"' && line.front() != '@') {
            return "a line that is neither a key, a value nor a comment";
        }
        if (key == nullptr) {
            return "a value before the first key";
        }
        Value value;
        if (!parseValueLine(line, value)) {
            return "a value that does not parse";
        }
        store(*key, std::move(value));
        return nullptr;
    }

    // Like setValue, through an index of each key's value names, so that a key with many values
    // parses in linear time. A later line of the same name replaces the earlier value.
    void store(Key& key, Value value)
    {
        auto& names = valueIndex_[&key];
        if (names.empty()) {
            for (std::size_t i = 0; i < key.values.size(); ++i) {
                names.emplace(foldCase(key.values[i].name), i);
            }
        }
        auto [entry, added] = names.try_emplace(foldCase(value.name), key.values.size());
        if (added) {
            key.values.push_back(std::move(value));
        } else {
            key.values[entry->second].type = value.type;
            key.values[entry->second].data = std::move(value.data);
        }
    }

    bool nextLine(std::string_view& line)
    {
        if (position_ >= body_.size()) {
            return false;
        }
        std::size_t end = body_.find('\n', position_);
        if (end == std::string_view::npos) {
            end = body_.size();
        }
        line = withoutCarriageReturn(body_.substr(position_, end - position_));
        position_ = end + 1;
        ++lineNumber_;
        return true;
    }

    std::string problemAt(const char* what) const
    {
        return "line " + std::to_string(lineNumber_) + ": " + what;
    }

    bool parseValueLine(std::string_view line, Value& value)
    {
        if (line.front() == '@') {
            line.remove_prefix(1);
        } else if (!takeQuoted(line, value.name) || !isValidValueName(value.name)) {
            return false;
        }
        if (line.empty() || line.front() != '=') {
            return false;
        }
        line.remove_prefix(1);
        if (!startsWith(line, "hex") || line.back() != '\\') {
            return parseData(line, value);
        }
        // A byte list continued over the following lines, each but the last ending in "\".
        std::string joined(line.substr(0, line.size() - 1));
        std::string_view next;
        for (;;) {
            const std::size_t position = position_;
            const std::size_t lineNumber = lineNumber_;
            if (!nextLine(next)) {
                return false;
            }
            std::size_t start = next.find_first_not_of(" \t");
            if (start == std::string_view::npos) {
                return false;
            }
            if (std::string_view("[\"@;").find(next.front()) != std::string_view::npos) {
                // Not a continuation but the next key, value or comment: left to be read as such.
                position_ = position;
                lineNumber_ = lineNumber;
                return false;
            }
            next.remove_prefix(start);
            bool more = next.back() == '\\';
            joined += next.substr(0, next.size() - (more ? 1 : 0));
            if (!more) {
                return parseData(joined, value);
            }
        }
    }

    std::string_view body_;
    const bool salvaging_;
    std::unordered_map<const Key*, std::unordered_map<std::string, std::size_t>> valueIndex_;
    std::size_t position_ = 0;
    std::size_t lineNumber_ = 0;
};

}  // namespace

ParsedText parseRegistryText(std::string_view text)
{
    ParsedText result;
    auto damaged = [&result](std::string problem) {
        result.ok = false;
        result.problem = std::move(problem);
        result.tree = Tree{};
        return std::move(result);
    };
    if (text.size() > kMaxFileBytes) {
        return damaged("larger than a registry file may be");
    }
    if (text.empty()) {
        return damaged("empty");
    }
    if (text.back() != '\n') {
        return damaged("the last line is cut short");
    }
    std::size_t lastLineStart = 0;
    if (std::size_t newline = text.size() < 2 ? std::string_view::npos : text.rfind('\n', text.size() - 2);
        newline != std::string_view::npos) {
        lastLineStart = newline + 1;
    }
    std::string_view lastLine = withoutCarriageReturn(text.substr(lastLineStart, text.size() - 1 - lastLineStart));

    std::string_view body = text;
    bool checked = false;
    if (startsWith(lastLine, kEndLinePrefix)) {
        body = text.substr(0, lastLineStart);
        if (!endLineMatches(lastLine, body)) {
            return damaged("the size or checksum in the last line does not match the file");
        }
        checked = true;
    }
    bool sawMarker = false;
    std::string problem = BodyParser(body, false).parse(result.tree, sawMarker);
    if (!problem.empty()) {
        return damaged(std::move(problem));
    }
    if (sawMarker && !checked) {
        return damaged("a checked file without its end line (cut short?)");
    }
    result.ok = true;
    return result;
}

Tree salvageRegistryText(std::string_view text)
{
    if (text.size() > kMaxFileBytes) {
        text = text.substr(0, kMaxFileBytes);
    }
    // A last line without its newline may be cut anywhere, even to a shorter value that parses.
    std::size_t lastNewline = text.rfind('\n');
    text = lastNewline == std::string_view::npos ? std::string_view() : text.substr(0, lastNewline + 1);
    Tree tree;
    bool sawMarker = false;
    BodyParser(text, true).parse(tree, sawMarker);
    return tree;
}

}  // namespace qby::registry
