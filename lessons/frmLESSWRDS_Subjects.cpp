// Reading the subject table: a subject line, its count line, then its words in order.
#include "lessons/frmLESSWRDS.h"

#include "core/modGLOBALS.h"
#include "core/modPROGMAIN_Media.h"
#include "core/modSTRINGS.h"
#include "lessons/WordTables.h"

#include <charconv>

namespace {

// A count line as a 16-bit integer; 0 when it is not a whole decimal number in that range.
std::int16_t CountValue(const std::string& field)
{
    std::int16_t value = 0;
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, value);
    if (error != std::errc() || stop != end) return 0;
    return value;
}

TableFields SubjectTable()
{
    return TableFields(ReadWordTable(WordTableName("WRDS")));
}

}  // namespace

void frmLESSWRDS_Form::ReadWordCount(const std::string& subject)
{
    TableFields fields = SubjectTable();
    intWordCount = fields.FindField(subject) ? CountValue(fields.NextField()) : 0;
    lngItemCount = intWordCount;
}

void frmLESSWRDS_Form::ShowWord(const std::string& subject, std::int32_t n)
{
    TableFields fields = SubjectTable();
    if (!fields.FindField(subject)) return;
    intWordCount = CountValue(fields.NextField());
    lngItemCount = intWordCount;
    for (std::int32_t k = 1; k <= intWordCount && k != n; ++k) fields.NextField();
    const std::string word = fields.NextField();
    lblSPEAK.Caption(word);
    ShowWordPicture(picMAINWINDOW, WithoutBlanks(word));
    lbl1Of9frmLESSWRDS.Caption(std::to_string(n) + " of " + std::to_string(intWordCount));
}

void frmLESSWRDS_Form::LoadWordList(const std::string& subject)
{
    lstLIST.Clear();
    TableFields fields = SubjectTable();
    if (!fields.FindField(subject)) return;
    fields.NextField();
    lngItemCount = intWordCount;
    for (std::int32_t i = 0; i < intWordCount; ++i) lstLIST.AddItem(fields.NextField());
}
