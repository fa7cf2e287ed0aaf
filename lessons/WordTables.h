// The word tables carried as "DATA" resources: the subject table (ENG_WRDS / US_WRDS) and the
// word list (ENG_PICANDWORDS / US_PICANDWORDS). A table is read as text with every CR LF turned
// into "|", so each line becomes one field followed by "|", and is then walked field by field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The resource name of a table for the English variety in force: "ENG_" & kind when
// strLanguage is exactly "ENGLISH", else "US_" & kind.
std::string WordTableName(const std::string& kind);

// The table's text, one character per byte (bytes above 127 read as Latin-1), with every
// CR LF replaced by "|"; "" when there is no such resource.
std::string ReadWordTable(const std::string& name);
// The same for the bytes of a table.
std::string WordTableText(const std::vector<std::uint8_t>& bytes);

// A walk over the fields of a table's text.
class TableFields {
public:
    explicit TableFields(std::string text) : text_(std::move(text)) {}

    // From the start, stops after the first field equal to `field` (exact comparison);
    // false when no field is.
    bool FindField(const std::string& field);
    // The field after the one last read; "" once the text is used up.
    std::string NextField();

private:
    // The field starting at pos_; pos_ moves onto the "|" that ends it (or past the end).
    std::string readField();

    std::string text_;
    std::size_t pos_ = 0;  // 0-based; the position of the "|" after the last field read
    bool started_ = false;
};
