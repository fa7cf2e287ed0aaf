#include "lessons/modPROGMAIN_Letters.h"

#include "core/modGLOBALS.h"
#include "core/modPROGMAIN_Media.h"
#include "core/modSTRINGS.h"
#include "lessons/frmLESSALPH.h"
#include "platform/resources/Resources.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

// The table of the chosen variety with every CR LF turned into "|": the lines joined by "|",
// with a "|" after the last one. Empty when the resource is missing.
std::string ReadLetterTable()
{
    const char* name = strLanguage == "ENGLISH" ? "ENG_INF" : "US_INF";
    const std::vector<std::uint8_t> bytes = qby::LoadResData(name, "DATA");
    std::string text(bytes.begin(), bytes.end());
    std::string joined;
    joined.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            joined += '|';
            ++i;
        } else {
            joined += text[i];
        }
    }
    return joined;
}

// The field walk over the joined table. Positions count from 1 as the table's readers state
// them: p stands on the first character of a field, or on the "|" that ended the field just
// read. Reading past the end gives nothing, so that a count larger than the table (damaged
// data) ends the walk instead of running on.
class FieldWalk {
public:
    explicit FieldWalk(std::string text) : text_(std::move(text)), length_(text_.size()) {}

    bool AtEnd() const { return p_ > length_; }

    // The field from p up to the next "|" (or, with no "|" left, to the end); p moves onto that
    // "|". Nothing when p is beyond the end.
    std::optional<std::string> Field()
    {
        if (AtEnd()) return std::nullopt;
        std::size_t q = text_.find('|', p_ - 1);
        q = (q == std::string::npos) ? length_ + 1 : q + 1;
        std::string field = text_.substr(p_ - 1, q - p_);
        p_ = q;
        return field;
    }
    // Past the "|" that ended the field just read.
    void Step() { ++p_; }
    std::optional<std::string> NextField()
    {
        Step();
        return Field();
    }
    // Skips one word record: the word and its three sentences. False when the table ends first.
    bool SkipRecord()
    {
        for (int line = 0; line < 4; ++line) {
            if (!NextField()) return false;
        }
        return true;
    }

private:
    std::string text_;
    std::size_t length_;
    std::size_t p_ = 1;
};

// Blanks removed from both ends (spaces only, as the string function Trim does).
std::string TrimBlanks(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A whole number rounded half to even, as the conversion to Long makes it; nothing when it
// does not fit.
std::optional<std::int32_t> RoundToLong(double value)
{
    if (!std::isfinite(value)) return std::nullopt;
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previous);
    if (rounded < std::numeric_limits<std::int32_t>::min() || rounded > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

// The leading number of text as the platform's Val reads it: blanks, tabs and line feeds are
// skipped anywhere, then a sign, digits, a decimal point and an exponent; reading stops at the
// first other character; no number reads as 0.
double Val(const std::string& text)
{
    std::string number;
    bool point = false;
    bool exponent = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n') continue;
        const char last = number.empty() ? '\0' : number.back();
        if (IsDigit(c)) {
            number += c;
        } else if ((c == '+' || c == '-') && (number.empty() || last == 'e')) {
            number += c;
        } else if (c == '.' && !point && !exponent) {
            number += c;
            point = true;
        } else if ((c == 'e' || c == 'E' || c == 'd' || c == 'D') && !exponent &&
                   std::any_of(number.begin(), number.end(), IsDigit)) {
            number += 'e';
            exponent = true;
        } else {
            break;
        }
    }
    while (!number.empty() && !IsDigit(number.back()) && number.back() != '.') number.pop_back();
    if (!std::any_of(number.begin(), number.end(), IsDigit)) return 0;
    try {
        return std::stod(number);
    } catch (...) {
        return 0;
    }
}

// The count converted directly, as an assignment of text to a number does: the whole text
// (blanks around it allowed) must be a number. Nothing when it is not one, or does not fit.
std::optional<std::int32_t> ConvertCount(const std::string& text)
{
    const std::string trimmed = TrimBlanks(text);
    if (trimmed.empty()) return std::nullopt;
    std::size_t used = 0;
    double value = 0;
    try {
        value = std::stod(trimmed, &used);
    } catch (...) {
        return std::nullopt;
    }
    if (used != trimmed.size() || trimmed.find_first_of("xXnNiI") != std::string::npos) return std::nullopt;
    return RoundToLong(value);
}

// Walks on to the next letter line that `isLetter` accepts and returns it; nothing when an empty
// field or the end of the table comes first.
template <class Match>
std::optional<std::string> NextGroup(FieldWalk& walk, Match isLetter)
{
    while (!walk.AtEnd()) {
        std::string field = *walk.Field();
        if (isLetter(field)) return field;
        if (field.empty()) return std::nullopt;
        walk.Step();
    }
    return std::nullopt;
}

// Skips the records before word `index` of a group of `count` words. False when there is no
// such word (the records of the group are then passed over) or the table ends first.
bool SkipToWord(FieldWalk& walk, std::int32_t count, std::int32_t index)
{
    for (std::int32_t i = 1; i <= count; ++i) {
        if (i == index) return true;
        if (!walk.SkipRecord()) return false;
    }
    return false;
}

}  // namespace

void ShowLetterWord(std::string letter, std::int32_t index)
{
    FieldWalk walk(ReadLetterTable());
    auto& form = *frmLESSALPH;
    const auto isLetter = [&letter](const std::string& field) { return TrimBlanks(field) == letter; };
    while (const std::optional<std::string> letterLine = NextGroup(walk, isLetter)) {
        form.lblTITLE1(0).Caption(*letterLine);
        form.lblTITLE1(1).Caption(*letterLine);
        const std::optional<std::string> countLine = walk.NextField();
        if (!countLine) return;
        // A count that does not fit a Long is taken as no words.
        const std::int32_t count = RoundToLong(Val(*countLine)).value_or(0);
        lngItemCount = count;
        if (SkipToWord(walk, count, index)) {
            const std::optional<std::string> word = walk.NextField();
            if (!word) return;
            const std::string rest = word->empty() ? std::string() : word->substr(1);
            form.lblTITLE2(0).Caption(rest);
            form.lblTITLE2(1).Caption(rest);
            form.lblTITLE2(0).Left(form.lblTITLE1(0).Left() + form.lblTITLE1(0).Width() + 60);
            form.lblTITLE2(1).Left(form.lblTITLE1(1).Left() + form.lblTITLE1(1).Width() + 60);
            ShowWordPicture(form.picMAINWINDOW, WithoutBlanks(*word));
            for (int sentence = 0; sentence < 3; ++sentence) {
                const std::optional<std::string> line = walk.NextField();
                if (!line) return;
                form.lblSENTENCE1(sentence).Caption(*line);
            }
            return;
        }
        // No word of that number: the walk goes on after the group.
        walk.Step();
    }
}

void LoadLetterWordPicture(qby::Image& img, std::string letter, std::int16_t index)
{
    if (index == 0) index = 1;
    FieldWalk walk(ReadLetterTable());
    const auto isLetter = [&letter](const std::string& field) { return field == letter; };
    while (NextGroup(walk, isLetter)) {
        const std::optional<std::string> countLine = walk.NextField();
        if (!countLine) return;
        // A count that is no number is taken as no words.
        const std::int32_t count = ConvertCount(*countLine).value_or(0);
        lngItemCount = count;
        if (index > count) index = static_cast<std::int16_t>(std::max<std::int32_t>(count, INT16_MIN));
        if (SkipToWord(walk, count, index)) {
            const std::optional<std::string> word = walk.NextField();
            if (!word) return;
            const std::string key = WithoutBlanks(*word);
            const std::vector<std::uint8_t> bytes = qby::LoadResData(UCase(key), "CUSTOM");
            // Decoded from memory; a missing picture leaves the one shown before.
            const qby::Picture picture = qby::Picture::FromEncodedBytes(bytes.data(), bytes.size());
            if (!picture.IsEmpty()) img.Picture(picture);
            img.Tag(key);
            return;
        }
        walk.Step();
    }
}
