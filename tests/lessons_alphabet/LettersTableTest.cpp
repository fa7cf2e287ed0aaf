// The letters table readers: ShowLetterWord filling the alphabet lesson's page and
// LoadLetterWordPicture loading a word's picture into an image, with both varieties, indexes
// out of range, the readers' differences and damaged or missing tables.
#include "AlphabetFixture.h"

#include "core/modGLOBALS.h"
#include "lessons/modPROGMAIN_Letters.h"
#include "platform/forms/Design.h"

#include <cstdint>
#include <string>

namespace lessontest {
namespace {

// A window holding one image, as the matching-pairs cards are.
class ImageHost : public qby::Form {
public:
    ImageHost() : Form("frmIMAGEHOST") {}
    qby::Image imgCARD{this, "imgCARD"};

protected:
    void Layout(qby::Design& d) override
    {
        d.Window({.ClientWidth = 3000, .ClientHeight = 3000});
        d.Add(imgCARD, {.Left = 0, .Top = 0, .Width = 1275, .Height = 1005, .Stretch = true});
    }
};

// What the page of the lesson shows, everything ShowLetterWord may change.
struct Page {
    std::string letter0, letter1, rest0, rest1;
    double restLeft0 = 0, restLeft1 = 0;
    std::int32_t pictureHandle = 0;
    std::vector<std::string> sentences;
    bool operator==(const Page&) const = default;
};

class LettersTable : public AlphabetFixture {
protected:
    void SetUp() override
    {
        AlphabetFixture::SetUp();
        OpenLesson();
    }
    void TearDown() override
    {
        if (host_.IsLoaded()) host_.Unload();
        for (const char* name : {"US_INF", "ENG_INF"}) qby::RemoveAddedResource("DATA", name);
        AlphabetFixture::TearDown();
    }
    static Page ShownPage()
    {
        auto& l = Lesson();
        return {l.lblTITLE1(0).Caption(), l.lblTITLE1(1).Caption(), l.lblTITLE2(0).Caption(),
                l.lblTITLE2(1).Caption(),  l.lblTITLE2(0).Left(),    l.lblTITLE2(1).Left(),
                l.picMAINWINDOW.Picture().Handle(), Sentences()};
    }
    // Puts a table of our own in place of the American one; lines joined with CR LF.
    static void UseAmericanTable(const std::vector<std::string>& lines)
    {
        std::string text;
        for (const std::string& line : lines) text += line + "\r\n";
        qby::AddResource("DATA", "US_INF", std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    qby::Image& Card() { return host_.imgCARD; }

private:
    ImageHost host_;
};

TEST_F(LettersTable, FirstWordOfAInEachVariety)
{
    strLanguage = "AMERICAN";
    lngItemCount = 0;
    ShowLetterWord("A", 1);
    EXPECT_EQ(ShownWord(), "Airplane");
    EXPECT_EQ(lngItemCount, 4);
    strLanguage = "ENGLISH";
    ShowLetterWord("A", 1);
    EXPECT_EQ(lngItemCount, 5);
    ShowLetterWord("A", 4);
    EXPECT_EQ(ShownWord(), "Aubergine") << "a word only the British table has";
    EXPECT_EQ(Sentences().size(), 3u);
    EXPECT_TRUE(SamePicture(Lesson().picMAINWINDOW.Picture(), ResourcePicture("AUBERGINE", "CUSTOM")));
}

TEST_F(LettersTable, AnyVarietyButExactlyEnglishReadsTheAmericanTable)
{
    for (const char* variety : {"", "AMERICAN", "english", "ENGLISH ", "BRITISH"}) {
        strLanguage = variety;
        ShowLetterWord("Z", 4);
        EXPECT_EQ(lngItemCount, 4) << '"' << variety << '"';
        EXPECT_EQ(ShownWord(), "Zucchini") << '"' << variety << '"';
    }
}

TEST_F(LettersTable, IndexOutsideTheWordsChangesOnlyTheTitleLetterAndTheCount)
{
    ShowLetterWord("B", 2);
    Page before = ShownPage();
    ASSERT_EQ(before.letter0 + before.rest0, "Baseball");
    for (std::int32_t index : {5, 0, -1}) {
        ShowLetterWord("A", index);
        EXPECT_EQ(lngItemCount, 4);
        Page expected = before;
        expected.letter0 = expected.letter1 = "A";
        EXPECT_EQ(ShownPage(), expected) << "index " << index;
    }
}

TEST_F(LettersTable, XRayKeepsTheBlankInTheTitleAndDropsItForThePicture)
{
    ShowLetterWord("X", 1);
    EXPECT_EQ(Lesson().lblTITLE1(0).Caption(), "X");
    EXPECT_EQ(Lesson().lblTITLE2(0).Caption(), " ray");
    EXPECT_EQ(Lesson().lblTITLE2(1).Caption(), " ray");
    EXPECT_TRUE(SamePicture(Lesson().picMAINWINDOW.Picture(), ResourcePicture("XRAY", "CUSTOM")));
    EXPECT_EQ(Sentences()[0], "An X ray shows the bones inside your body.");
}

TEST_F(LettersTable, ASmallLetterFindsNothing)
{
    ShowLetterWord("B", 2);
    const Page before = ShownPage();
    lngItemCount = 77;
    ShowLetterWord("a", 1);
    ShowLetterWord("", 1);
    ShowLetterWord("AB", 1);
    EXPECT_EQ(ShownPage(), before);
    EXPECT_EQ(lngItemCount, 77);
}

TEST_F(LettersTable, PictureOfAWordClampsItsIndexAndTagsTheImage)
{
    strLanguage = "ENGLISH";
    LoadLetterWordPicture(Card(), "Z", 4);
    EXPECT_EQ(Card().Tag(), "Zoo");
    EXPECT_EQ(lngItemCount, 3);
    EXPECT_TRUE(SamePicture(Card().Picture(), ResourcePicture("ZOO", "CUSTOM")));
    LoadLetterWordPicture(Card(), "Z", 0);
    EXPECT_EQ(Card().Tag(), "Zebra");
    EXPECT_TRUE(SamePicture(Card().Picture(), ResourcePicture("ZEBRA", "CUSTOM")));
    LoadLetterWordPicture(Card(), "K", 5);
    EXPECT_EQ(Card().Tag(), "KnifeandFork");
    EXPECT_TRUE(SamePicture(Card().Picture(), ResourcePicture("KNIFEANDFORK", "CUSTOM")));
    LoadLetterWordPicture(Card(), "I", 3);
    EXPECT_EQ(Card().Tag(), "Icecream");

    strLanguage = "AMERICAN";
    LoadLetterWordPicture(Card(), "Z", 4);
    EXPECT_EQ(Card().Tag(), "Zucchini");
    EXPECT_EQ(lngItemCount, 4);
}

TEST_F(LettersTable, PictureOfANegativeIndexOrUnknownLetterLoadsNothing)
{
    LoadLetterWordPicture(Card(), "B", 7);
    ASSERT_EQ(Card().Tag(), "BlackShoe");
    const std::int32_t shown = Card().Picture().Handle();
    LoadLetterWordPicture(Card(), "C", -1);
    EXPECT_EQ(lngItemCount, 8) << "the count is still taken";
    lngItemCount = 77;
    LoadLetterWordPicture(Card(), "c", 1);
    EXPECT_EQ(lngItemCount, 77);
    EXPECT_EQ(Card().Tag(), "BlackShoe");
    EXPECT_EQ(Card().Picture().Handle(), shown);
}

TEST_F(LettersTable, ReadersDifferInTrimmingTheLetterAndReadingTheCount)
{
    // A letter line with blanks around it and a count followed by text.
    UseAmericanTable({" Q ", "2 words", "Queen", "q1", "q2", "q3", "Quail", "u1", "u2", "u3"});
    ShowLetterWord("Q", 2);
    EXPECT_EQ(Lesson().lblTITLE1(0).Caption(), " Q ") << "the line as it stands";
    EXPECT_EQ(Lesson().lblTITLE2(0).Caption(), "uail");
    EXPECT_EQ(lngItemCount, 2);
    EXPECT_EQ(Sentences(), (std::vector<std::string>{"u1", "u2", "u3"}));

    lngItemCount = 77;
    Card().Tag("none");
    LoadLetterWordPicture(Card(), "Q", 1);
    EXPECT_EQ(Card().Tag(), "none") << "the letter line must match exactly";
    EXPECT_EQ(lngItemCount, 77);

    // Found exactly, but the count is no number: no words.
    UseAmericanTable({"Q", "2 words", "Queen", "q1", "q2", "q3"});
    LoadLetterWordPicture(Card(), "Q", 1);
    EXPECT_EQ(lngItemCount, 0);
    EXPECT_EQ(Card().Tag(), "none");
}

TEST_F(LettersTable, MissingTableOrPictureChangesOnlyWhatCanBeHad)
{
    ShowLetterWord("B", 2);
    const Page before = ShownPage();
    lngItemCount = 77;
    UseAmericanTable({});
    ShowLetterWord("A", 1);
    LoadLetterWordPicture(Card(), "A", 1);
    EXPECT_EQ(ShownPage(), before);
    EXPECT_EQ(lngItemCount, 77);
    EXPECT_EQ(Card().Tag(), "");

    // A word without a picture: the texts change, the picture stays.
    UseAmericanTable({"Q", "1", "Quux", "s1", "s2", "s3"});
    ShowLetterWord("Q", 1);
    EXPECT_EQ(ShownWord(), "Quux");
    EXPECT_EQ(Sentences(), (std::vector<std::string>{"s1", "s2", "s3"}));
    EXPECT_EQ(Lesson().picMAINWINDOW.Picture().Handle(), before.pictureHandle);
    LoadLetterWordPicture(Card(), "Q", 1);
    EXPECT_EQ(Card().Tag(), "Quux");
    EXPECT_TRUE(Card().Picture().IsEmpty());
}

TEST_F(LettersTable, CountsLargerThanTheTableEndTheWalk)
{
    ShowLetterWord("B", 2);
    const Page before = ShownPage();
    // More words claimed than the table holds, and a count beyond any whole number.
    for (const char* count : {"99", "2147483647", "99999999999", "1e300"}) {
        UseAmericanTable({"A", count, "Apple", "a1", "a2", "a3"});
        ShowLetterWord("A", 50);
        ShowLetterWord("A", -1);
        LoadLetterWordPicture(Card(), "A", 30000);
        LoadLetterWordPicture(Card(), "A", -1);
        Page expected = before;
        expected.letter0 = expected.letter1 = "A";
        EXPECT_EQ(ShownPage(), expected) << count;
    }
    // A table without its last line end still gives its last field.
    const std::string text = "A\r\n1\r\nApple\r\na1\r\na2\r\na3";
    qby::AddResource("DATA", "US_INF", std::vector<std::uint8_t>(text.begin(), text.end()));
    ShowLetterWord("A", 1);
    EXPECT_EQ(Sentences(), (std::vector<std::string>{"a1", "a2", "a3"}));
}

TEST_F(LettersTable, AnEmptyLineEndsTheWalk)
{
    UseAmericanTable({"A", "1", "Apple", "a1", "a2", "a3", "", "B", "1", "Bus", "b1", "b2", "b3"});
    lngItemCount = 77;
    ShowLetterWord("B", 1);
    EXPECT_EQ(lngItemCount, 77);
    ShowLetterWord("A", 1);
    EXPECT_EQ(ShownWord(), "Apple");
}

}  // namespace
}  // namespace lessontest
