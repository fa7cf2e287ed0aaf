// Reading the word tables: the table of the English variety in force, line ends turned into
// field ends, and the walk over the fields in which every field takes part in the search.
#include "core/modGLOBALS.h"
#include "lessons/WordTables.h"
#include "platform/resources/Resources.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace lessontest {
namespace {

class WordTables : public ::testing::Test {
protected:
    void TearDown() override { strLanguage = "AMERICAN"; }
};

TEST_F(WordTables, OnlyExactlyEnglishChoosesTheBritishTables)
{
    strLanguage = "ENGLISH";
    EXPECT_EQ(WordTableName("WRDS"), "ENG_WRDS");
    for (const char* other : {"AMERICAN", "English", "", "ENGLISH "}) {
        strLanguage = other;
        EXPECT_EQ(WordTableName("PICANDWORDS"), "US_PICANDWORDS") << other;
    }
}

TEST_F(WordTables, LineEndsBecomeFieldEndsAndOtherBytesStayText)
{
    const std::string bytes = "A b\r\nC\rD\n\xE9\r\n";
    qby::AddResource("DATA", "TEST_TABLE", std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    EXPECT_EQ(ReadWordTable("TEST_TABLE"), "A b|C\rD\n\xC3\xA9|");
    qby::RemoveAddedResource("DATA", "TEST_TABLE");
    EXPECT_EQ(ReadWordTable("NO_SUCH_TABLE"), "");
}

TEST_F(WordTables, EveryFieldTakesPartAndTheFirstEqualOneWins)
{
    TableFields fields("FRUIT|2|Pets|PETS|PETS|1|Cat|");
    ASSERT_TRUE(fields.FindField("PETS"));
    EXPECT_EQ(fields.NextField(), "PETS") << "the first PETS, a word of the group before, is found";
    EXPECT_EQ(fields.NextField(), "1");
    EXPECT_EQ(fields.NextField(), "Cat");
    EXPECT_EQ(fields.NextField(), "");
    EXPECT_EQ(fields.NextField(), "");
    ASSERT_TRUE(fields.FindField("2"));
    EXPECT_EQ(fields.NextField(), "Pets");
    EXPECT_FALSE(fields.FindField("pets"));
    EXPECT_EQ(fields.NextField(), "");
    // A last line without its line end is a field all the same.
    TableFields open("A|B");
    ASSERT_TRUE(open.FindField("B"));
    EXPECT_EQ(open.NextField(), "");
}

}  // namespace
}  // namespace lessontest
