// The resource store: lookup by type and name without regard to case, "#101", missing resources,
// added fixtures and the embedded content the program relies on.
#include "platform/app/App.h"
#include "platform/resources/Resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace qby {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& text)
{
    return {text.begin(), text.end()};
}

TEST(ResourceStore, TypesAndNamesIgnoreCase)
{
    const auto click = LoadResData("CLICK", "AUDIO");
    ASSERT_GT(click.size(), 44u);
    EXPECT_TRUE(std::equal(click.begin(), click.begin() + 4, "RIFF"));
    EXPECT_EQ(LoadResData("click", "audio"), click);
    EXPECT_EQ(LoadResData("Click", "Audio"), click);
    EXPECT_TRUE(ResourceExists("cLiCk", "aUdIo"));
    // Skins are of the standard type "bitmap".
    EXPECT_FALSE(LoadResData("BtnNormal", "bitmap").empty());
}

TEST(ResourceStore, MissingResourcesAreEmpty)
{
    EXPECT_TRUE(LoadResData("NOSUCHSOUND", "AUDIO").empty());
    EXPECT_TRUE(LoadResData("CLICK", "NOSUCHTYPE").empty());
    EXPECT_TRUE(LoadResData("CLICK", "WORDS").empty());  // a name of another type
    EXPECT_TRUE(LoadResData("", "AUDIO").empty());
    EXPECT_TRUE(LoadResData("CLICK", "").empty());
    EXPECT_TRUE(LoadResData("CLICK.wav", "AUDIO").empty());  // names carry no extension
    EXPECT_TRUE(LoadResData("AUDIO/CLICK", "").empty());
    EXPECT_FALSE(ResourceExists("NOSUCHSOUND", "AUDIO"));
    EXPECT_TRUE(ResourceNames("NOSUCHTYPE").empty());
}

TEST(ResourceStore, NumericNamesWithAndWithoutNumberSign)
{
    const auto cursor = LoadResData("101", "CURSOR");
    ASSERT_FALSE(cursor.empty());
    EXPECT_EQ(LoadResData("#101", "cursor"), cursor);
    EXPECT_EQ(LoadResData(101, "Cursor"), cursor);
    EXPECT_TRUE(LoadResData("#102", "CURSOR").empty());
    EXPECT_TRUE(LoadResData("#", "CURSOR").empty());
    EXPECT_TRUE(LoadResData("#10a1", "CURSOR").empty());

    AddResource("TESTNUMBERS", "#7", Bytes("seven"));
    EXPECT_EQ(LoadResData("7", "TESTNUMBERS"), Bytes("seven"));
    EXPECT_EQ(ResourceNames("TESTNUMBERS"), std::vector<std::string>{"7"});
    RemoveAddedResource("TESTNUMBERS", "7");
    EXPECT_TRUE(LoadResData("#7", "TESTNUMBERS").empty());
}

TEST(ResourceStore, NamesOfAType)
{
    const auto letters = ResourceNames("letters");
    ASSERT_EQ(letters.size(), 26u);
    EXPECT_EQ(letters.front(), "A");
    EXPECT_EQ(letters.back(), "Z");
    EXPECT_TRUE(std::is_sorted(letters.begin(), letters.end()));
    const auto effects = ResourceNames("AUDIO");
    for (const char* effect : {"BELLHIGH", "BELLLOW", "BUBBLES", "BUTTON", "CLICK", "LOOSE", "POP", "WIN"})
        EXPECT_NE(std::find(effects.begin(), effects.end(), effect), effects.end()) << effect;
}

TEST(ResourceStore, AddedResourcesReplaceAndRestoreEmbeddedOnes)
{
    const auto original = LoadResData("POP", "AUDIO");
    ASSERT_FALSE(original.empty());
    AddResource("audio", "pop", Bytes("replacement"));
    EXPECT_EQ(LoadResData("POP", "AUDIO"), Bytes("replacement"));
    const auto names = ResourceNames("AUDIO");
    EXPECT_EQ(std::count(names.begin(), names.end(), "POP") + std::count(names.begin(), names.end(), "pop"), 1);
    RemoveAddedResource("AUDIO", "Pop");
    EXPECT_EQ(LoadResData("POP", "AUDIO"), original);
}

TEST(ResourceStore, TypesMayBeFolders)
{
    AddResource("DESIGN/frmTEST", "btnpEXIT.PictureNormal", Bytes("picture"));
    EXPECT_EQ(LoadResData("BTNPEXIT.PICTURENORMAL", "design/FRMTEST"), Bytes("picture"));
    EXPECT_TRUE(LoadResData("btnpEXIT.PictureNormal", "DESIGN").empty());
    RemoveAddedResource("DESIGN/frmTEST", "btnpEXIT.PictureNormal");
}

TEST(ResourceStore, IdentifiesResourcesByContent)
{
    EXPECT_EQ(IdentifyResource(LoadResData("win", "audio")), "AUDIO/WIN");
    EXPECT_EQ(IdentifyResource(LoadResData("a", "letters")), "LETTERS/A");
    EXPECT_EQ(IdentifyResource(Bytes("no resource holds exactly this")), "");
    AddResource("TESTCONTENT", "Second", Bytes("same"));
    AddResource("TESTCONTENT", "First", Bytes("same"));
    EXPECT_EQ(IdentifyResource(Bytes("same")), "TESTCONTENT/First");
    RemoveAddedResource("TESTCONTENT", "First");
    RemoveAddedResource("TESTCONTENT", "Second");
}

TEST(ResourceStore, EveryWordHasAPictureAndARecording)
{
    const auto words = ResourceNames("WORDS");
    const auto pictures = ResourceNames("CUSTOM");
    EXPECT_EQ(words.size(), 165u);
    EXPECT_EQ(pictures, words);
}

TEST(ResourceStore, DataTablesAreEmbedded)
{
    for (const char* table : {"ENG_INF", "US_INF", "ENG_WRDS", "US_WRDS", "ENG_PICANDWORDS", "US_PICANDWORDS"})
        EXPECT_FALSE(LoadResData(table, "DATA").empty()) << table;
}

TEST(ResourceStore, CreditsAreEmbeddedAsText)
{
    const auto credits = LoadResData("CREDITS", "TEXT");
    ASSERT_FALSE(credits.empty());
    EXPECT_EQ(IdentifyResource(credits), "TEXT/CREDITS");
}

TEST(ResourceStore, AnimationsLieBesideTheProgramAndAreNotEmbedded)
{
    EXPECT_TRUE(ResourceNames("Animations").empty());
    const std::filesystem::path folder = std::filesystem::path(App.Path()) / "Animations";
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "A ucase chr.gif"));
    const auto gifs = std::count_if(std::filesystem::directory_iterator(folder), {}, [](const auto& entry) {
        return entry.path().extension() == ".gif";
    });
    EXPECT_EQ(gifs, 104);
}

}  // namespace
}  // namespace qby
