// Reading a word table's text: the bytes as text with the line ends turned into "|", and the
// walk over its fields. Plain C++, so the readers can be fuzzed on their own.
#include "lessons/WordTables.h"

std::string WordTableText(const std::vector<std::uint8_t>& bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::uint8_t byte = bytes[i];
        if (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            text += '|';
            ++i;
        } else if (byte < 0x80) {
            text += static_cast<char>(byte);
        } else {
            // Keep the program's strings valid UTF-8.
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

std::string TableFields::readField()
{
    const std::size_t end = text_.find('|', pos_);
    std::string field = text_.substr(pos_, end == std::string::npos ? std::string::npos : end - pos_);
    pos_ = end == std::string::npos ? text_.size() : end;
    return field;
}

bool TableFields::FindField(const std::string& field)
{
    pos_ = 0;
    started_ = true;
    while (pos_ < text_.size()) {
        if (readField() == field) return true;
        ++pos_;
    }
    return false;
}

std::string TableFields::NextField()
{
    if (started_) ++pos_;
    started_ = true;
    if (pos_ >= text_.size()) {
        pos_ = text_.size();
        return "";
    }
    return readField();
}
