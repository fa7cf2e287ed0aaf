// The matching-pairs game as a learner plays it: the deal (fixed through the random numbers),
// cards turned by clicks, a mismatch shown side by side and turned back, a pair framed yellow
// after the right-answer box with its word spoken 200 ms into the box, the sixth pair's
// play-again question, a new deal at any time, and the ways back to the menu.
#include "GamesFixture.h"

#include "core/modGLOBALS.h"
#include "lessons/frmLESSPAIR.h"
#include "lessons/frmMSGCRECT.h"
#include "lessons/frmMSGPLYAG.h"
#include "lessons/frmMSGWRONG.h"
#include "platform/resources/ResourcePictures.h"

#include <algorithm>
#include <array>
#include <set>

namespace gamestest {
namespace {

constexpr qby::OLE_COLOR kBlue = 0xDB7028;
constexpr qby::OLE_COLOR kYellow = 0xFFFF;

// One of cards 0 to 5: word `word` (Int(r × count) as drawn) of `letter`, whose table count is
// `count`, taken at the first attempt after a first load of the same letter.
struct FirstCopy {
    char letter;
    int word;
    int count;
};

std::vector<double> FirstCopyNumbers(const FirstCopy& card)
{
    return {ScriptedRandom::Letter(card.letter), ScriptedRandom::Giving(card.word, card.count),
            ScriptedRandom::Letter(card.letter)};
}

// The numbers of a whole deal: cards 0 to 5 as given, then cards 6 to 11 copying these cards.
std::vector<double> DealNumbers(const std::vector<FirstCopy>& firsts, const std::vector<int>& copies)
{
    std::vector<double> numbers;
    for (const FirstCopy& card : firsts) {
        const auto more = FirstCopyNumbers(card);
        numbers.insert(numbers.end(), more.begin(), more.end());
    }
    for (int j : copies) numbers.push_back(ScriptedRandom::Giving(j, 6));
    return numbers;
}

// The American table: Black Shoe, Apple, Camel, Dog, Egg and Ice cream on cards 0 to 5; their
// copies on 6 to 11 in the order Dog, Black Shoe, Ice cream, Camel, Egg, Apple.
std::vector<double> FirstDeal()
{
    return DealNumbers({{'B', 7, 13}, {'A', 3, 4}, {'C', 1, 8}, {'D', 2, 5}, {'E', 4, 8}, {'I', 3, 5}},
                       {3, 0, 5, 2, 4, 1});
}
const std::array<std::string, 12> kFirstDealWords = {"BlackShoe", "Apple", "Camel",     "Dog",
                                                     "Egg",       "Icecream", "Dog",    "BlackShoe",
                                                     "Icecream",  "Camel", "Egg",       "Apple"};
// Card pairs of the first deal, lower index first.
constexpr std::array<std::pair<int, int>, 6> kFirstDealPairs = {
    std::pair{0, 7}, std::pair{1, 11}, std::pair{2, 9}, std::pair{3, 6}, std::pair{4, 10}, std::pair{5, 8}};

// Green Frog, Knife and Fork, Quail, Whistle, X ray and Zip; copies in reverse order.
std::vector<double> SecondDeal()
{
    return DealNumbers({{'G', 6, 8}, {'K', 5, 7}, {'Q', 1, 3}, {'W', 4, 8}, {'X', 1, 2}, {'Z', 2, 4}},
                       {5, 4, 3, 2, 1, 0});
}
const std::array<std::string, 12> kSecondDealWords = {"GreenFrog", "KnifeandFork", "Quail", "Whistle",
                                                      "Xray",      "Zip",          "Zip",   "Xray",
                                                      "Whistle",   "Quail",        "KnifeandFork",
                                                      "GreenFrog"};

qby::Picture WordPicture(const std::string& word)
{
    std::string key = word;
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::toupper(c); });
    return qby::Picture::FromEncodedBytes(qby::LoadResData(key, "CUSTOM"));
}

class MatchingPairs : public GamesFixture {
protected:
    frmLESSPAIR_Form& game() { return *frmLESSPAIR; }

    void TurnCard(int index) { Click(game().picCARD(index)); }

    std::array<std::string, 12> Words()
    {
        std::array<std::string, 12> words;
        for (int i = 0; i < 12; ++i) words[i] = game().imgMATCH(i).Tag();
        return words;
    }

    // Every card face down: face hidden, blue, taking clicks.
    void ExpectAllFaceDown()
    {
        for (int i = 0; i < 12; ++i) {
            EXPECT_FALSE(game().imgMATCH(i).Visible()) << "card " << i;
            EXPECT_EQ(game().picCARD(i).BackColor(), kBlue) << "card " << i;
            EXPECT_TRUE(game().picCARD(i).Enabled()) << "card " << i;
        }
    }

    void ExpectFound(int index)
    {
        EXPECT_TRUE(game().imgMATCH(index).Visible()) << "card " << index;
        EXPECT_EQ(game().picCARD(index).BackColor(), kYellow) << "card " << index;
        EXPECT_FALSE(game().picCARD(index).Enabled()) << "card " << index;
    }

    // Queues the right-answer box's OK.
    void AnswerRightBox()
    {
        OnNextModal([](qby::Form& box) {
            EXPECT_EQ(&box, &*frmMSGCRECT);
            Click(frmMSGCRECT->btnpOK);
        });
    }

    // Finds the pair by turning both cards, and closes the right-answer box.
    void FindPair(int first, int second)
    {
        AnswerRightBox();
        TurnCard(first);
        TurnCard(second);
    }

    // The first deal's pairs but the last (cards 5 and 8).
    void FindAllPairsButTheLast()
    {
        for (std::size_t p = 0; p + 1 < kFirstDealPairs.size(); ++p)
            FindPair(kFirstDealPairs[p].first, kFirstDealPairs[p].second);
    }
};

TEST_F(MatchingPairs, OpeningDealsTwelveFaceDownCardsFromTheDraws)
{
    ScriptedRandom numbers(FirstDeal());
    OpenFromMenu(game());
    EXPECT_EQ(numbers.Left(), 0u);
    EXPECT_EQ(numbers.Overrun(), 0u);

    ASSERT_TRUE(qby::test::IsShownOnScreen(game()));
    EXPECT_FALSE(frmMAINMENU->IsLoaded());
    EXPECT_EQ(Words(), kFirstDealWords);
    ExpectAllFaceDown();
    for (int i = 0; i < 12; ++i) {
        EXPECT_FALSE(qby::test::IsShownOnScreen(game().imgMATCH(i))) << "card " << i;
        EXPECT_TRUE(SamePicture(game().imgMATCH(i).Picture(), WordPicture(kFirstDealWords[i])))
            << "card " << i;
        EXPECT_EQ(game().picCARD(i).ToolTipText(), "Click here to see the Picture");
        EXPECT_EQ(qby::test::ShownPointer(game().picCARD(i)), qby::vbCustom);
        EXPECT_TRUE(SamePicture(game().picCARD(i).MouseIcon(), qby::LoadResPicture(101, qby::vbResCursor)));
    }
    EXPECT_EQ(game().Clicks(), 0);
    EXPECT_EQ(game().PairsFound(), 0);
    EXPECT_EQ(game().btnpEXIT.CAPTION(), "Close");
    EXPECT_EQ(game().btnpNEW.CAPTION(), "Pass to the next pictures");
    EXPECT_EQ(game().lblCLICKCARDS.Caption(), "Click two cards below. A matching pair wins.");
    EXPECT_TRUE(TakeSounds().empty()) << "a deal is silent";
}

TEST_F(MatchingPairs, ARepeatedWordIsDrawnAgainOnBothHalvesOfTheDeal)
{
    // Card 1 first draws Black Shoe again, which card 0 holds: a word number (from the count of
    // B, the letter loaded last) and a letter are drawn anew. Card 7 first copies card 0, whose
    // copy card 6 already is.
    std::vector<double> numbers = FirstCopyNumbers({'B', 7, 13});
    const std::vector<double> repeated = FirstCopyNumbers({'B', 7, 13});
    numbers.insert(numbers.end(), repeated.begin(), repeated.end());
    numbers.push_back(ScriptedRandom::Giving(3, 13));
    numbers.push_back(ScriptedRandom::Letter('A'));
    for (const FirstCopy& card : {FirstCopy{'C', 1, 8}, FirstCopy{'D', 2, 5}, FirstCopy{'E', 4, 8},
                                  FirstCopy{'I', 3, 5}}) {
        const auto more = FirstCopyNumbers(card);
        numbers.insert(numbers.end(), more.begin(), more.end());
    }
    for (int j : {0, 0, 1, 2, 3, 4, 5}) numbers.push_back(ScriptedRandom::Giving(j, 6));
    ScriptedRandom script(numbers);
    OpenFromMenu(game());

    EXPECT_EQ(script.Left(), 0u);
    EXPECT_EQ(script.Overrun(), 0u);
    const std::array<std::string, 12> expected = {"BlackShoe", "Apple",     "Camel", "Dog", "Egg",
                                                  "Icecream",  "BlackShoe", "Apple", "Camel", "Dog",
                                                  "Egg",       "Icecream"};
    EXPECT_EQ(Words(), expected);
}

TEST_F(MatchingPairs, DealsFromTheGeneratorHoldSixWordsTwiceEach)
{
    OpenFromMenu(game());
    for (int deal = 0; deal < 4; ++deal) {
        const auto words = Words();
        const std::set<std::string> firsts(words.begin(), words.begin() + 6);
        EXPECT_EQ(firsts.size(), 6u) << "cards 0 to 5 hold six different words";
        std::multiset<std::string> seconds(words.begin() + 6, words.end());
        for (const std::string& word : firsts) EXPECT_EQ(seconds.count(word), 1u) << word;
        for (int i = 0; i < 12; ++i) EXPECT_FALSE(words[i].empty());
        ExpectAllFaceDown();
        Click(game().btnpNEW);
    }
}

TEST_F(MatchingPairs, WithoutTheLettersTableTheDealStillEnds)
{
    // Every draw then gives the same (empty) word: the redraws stop after their limit.
    qby::AddResource("DATA", "US_INF", {});
    OpenFromMenu(game());
    qby::RemoveAddedResource("DATA", "US_INF");
    ASSERT_TRUE(game().IsLoaded());
    ExpectAllFaceDown();
    EXPECT_EQ(game().PairsFound(), 0);
}

TEST_F(MatchingPairs, AMismatchShowsBothPicturesThenTurnsBack)
{
    ScriptedRandom numbers(FirstDeal());
    OpenFromMenu(game());

    TurnCard(9);
    EXPECT_TRUE(game().imgMATCH(9).Visible());
    EXPECT_FALSE(game().picCARD(9).Enabled());
    EXPECT_EQ(game().Clicks(), 1);
    EXPECT_EQ(TakeSounds(), std::vector<std::string>{"CLICK"});
    // A card turned in this try takes no second click.
    TurnCard(9);
    EXPECT_EQ(game().Clicks(), 1);
    EXPECT_TRUE(TakeSounds().empty());

    bool judged = false;
    OnNextModal([&](qby::Form& box) {
        judged = true;
        ASSERT_EQ(&box, &*frmMSGWRONG);
        // The lower index is the first word, whatever the order of the clicks.
        EXPECT_EQ(frmMSGWRONG->lblWordWasfrmMSGWRONG.Caption(), "You have found  Apple and Camel");
        EXPECT_FALSE(frmMSGWRONG->imgPICTURE.Visible());
        EXPECT_TRUE(frmMSGWRONG->imgPICTUREA.Visible());
        EXPECT_TRUE(frmMSGWRONG->imgPICTUREB.Visible());
        EXPECT_TRUE(SamePicture(frmMSGWRONG->imgPICTUREA.Picture(), WordPicture("Apple")));
        EXPECT_TRUE(SamePicture(frmMSGWRONG->imgPICTUREB.Picture(), WordPicture("Camel")));
        // Both cards stay face up while the box is up.
        EXPECT_TRUE(qby::test::IsShownOnScreen(frmLESSPAIR->imgMATCH(1)));
        EXPECT_TRUE(qby::test::IsShownOnScreen(frmLESSPAIR->imgMATCH(9)));
        Click(frmMSGWRONG->btnpOK);
    });
    TurnCard(1);
    EXPECT_TRUE(judged);
    EXPECT_EQ(TakeSounds(), (std::vector<std::string>{"CLICK", "LOOSE"}));

    ExpectAllFaceDown();
    EXPECT_EQ(game().Clicks(), 0);
    EXPECT_EQ(game().PairsFound(), 0);
    EXPECT_FALSE(frmMSGWRONG->IsLoaded());
}

TEST_F(MatchingPairs, APairStaysUpFramedYellowOnceTheBoxHasClosedAndItsWordIsSpoken)
{
    ScriptedRandom numbers(FirstDeal());
    OpenFromMenu(game());

    std::vector<std::vector<std::string>> soundsInBox;
    OnNextModal([&](qby::Form& box) {
        ASSERT_EQ(&box, &*frmMSGCRECT);
        EXPECT_EQ(frmMSGCRECT->lblWordWas.Caption(), "You have found Apple");
        EXPECT_TRUE(frmMSGCRECT->imgPICTURE.Visible());
        EXPECT_TRUE(SamePicture(frmMSGCRECT->imgPICTURE.Picture(), WordPicture("Apple")));
        // The frames come only when the box has closed.
        EXPECT_EQ(frmLESSPAIR->picCARD(1).BackColor(), kBlue);
        EXPECT_EQ(frmLESSPAIR->picCARD(11).BackColor(), kBlue);
        soundsInBox.push_back(TakeSounds());
        qby::TestClock::Advance(199);
        soundsInBox.push_back(TakeSounds());
        qby::TestClock::Advance(1);
        soundsInBox.push_back(TakeSounds());
        qby::TestClock::Advance(2000);
        soundsInBox.push_back(TakeSounds());
        Click(frmMSGCRECT->btnpOK);
    });
    TurnCard(11);
    TurnCard(1);
    ASSERT_EQ(soundsInBox.size(), 4u);
    EXPECT_EQ(soundsInBox[0], (std::vector<std::string>{"CLICK", "CLICK", "WIN"}));
    EXPECT_TRUE(soundsInBox[1].empty());
    EXPECT_EQ(soundsInBox[2], std::vector<std::string>{"APPLE"});
    EXPECT_TRUE(soundsInBox[3].empty()) << "the word is spoken once";

    ExpectFound(1);
    ExpectFound(11);
    EXPECT_EQ(game().Clicks(), 0);
    EXPECT_EQ(game().PairsFound(), 1);
    EXPECT_EQ(game().FoundWord(), "Apple");
    EXPECT_FALSE(game().tmrTimer1.Enabled());

    // A later try never counts the found cards: Black Shoe (cards 0 and 7) is judged as a pair
    // although cards 1 and 11 stand face up between them.
    OnNextModal([](qby::Form&) {
        EXPECT_EQ(frmMSGCRECT->lblWordWas.Caption(), "You have found BlackShoe");
        Click(frmMSGCRECT->btnpOK);
    });
    TurnCard(7);
    TurnCard(0);
    ExpectFound(0);
    ExpectFound(7);
    ExpectFound(1);
    ExpectFound(11);
    EXPECT_EQ(game().PairsFound(), 2);
    EXPECT_EQ(PendingModalActions(), 0u);
}

TEST_F(MatchingPairs, ANewDealInTheMiddleOfATryStartsAfresh)
{
    ScriptedRandom numbers(FirstDeal());
    OpenFromMenu(game());
    FindPair(3, 6);
    TurnCard(4);
    ASSERT_EQ(game().Clicks(), 1);

    numbers.Append(SecondDeal());
    Click(game().btnpNEW);
    EXPECT_EQ(numbers.Left(), 0u);
    EXPECT_EQ(Words(), kSecondDealWords);
    ExpectAllFaceDown();
    EXPECT_EQ(game().Clicks(), 0);
    EXPECT_EQ(game().PairsFound(), 0);
}

TEST_F(MatchingPairs, TheSixthPairAsksToPlayAgainAndYesDealsInTheSameWindow)
{
    ScriptedRandom numbers(FirstDeal());
    OpenFromMenu(game());
    FindAllPairsButTheLast();
    ASSERT_EQ(game().PairsFound(), 5);
    TakeSounds();

    numbers.Append(SecondDeal());
    std::vector<std::string> order;
    OnNextModal([&](qby::Form& box) {
        order.push_back(box.Name());
        Click(frmMSGCRECT->btnpOK);
    });
    OnNextModal([&](qby::Form& box) {
        order.push_back(box.Name());
        EXPECT_EQ(frmMSGPLYAG->lblPLAYAGAIN.Caption(), "Would you like to play again?");
        // The sixth pair is framed before the question comes.
        EXPECT_EQ(frmLESSPAIR->picCARD(5).BackColor(), kYellow);
        Click(frmMSGPLYAG->btnpYES);
    });
    TurnCard(5);
    TurnCard(8);
    EXPECT_EQ(order, (std::vector<std::string>{"frmMSGCRECT", "frmMSGPLYAG"}));
    // OK came before the word was due: the found word is spoken as the box closes.
    EXPECT_EQ(TakeSounds(), (std::vector<std::string>{"CLICK", "CLICK", "WIN", "ICECREAM"}));

    EXPECT_TRUE(game().IsLoaded());
    EXPECT_TRUE(qby::test::IsShownOnScreen(game()));
    EXPECT_EQ(numbers.Left(), 0u);
    EXPECT_EQ(Words(), kSecondDealWords);
    ExpectAllFaceDown();
    EXPECT_EQ(game().Clicks(), 0);
    EXPECT_EQ(game().PairsFound(), 0);
    EXPECT_FALSE(frmMAINMENU->IsLoaded());
}

TEST_F(MatchingPairs, NoAfterTheSixthPairReturnsToTheMenu)
{
    ScriptedRandom numbers(FirstDeal());
    OpenFromMenu(game());
    FindAllPairsButTheLast();
    AnswerRightBox();
    OnNextModal([](qby::Form&) { Click(frmMSGPLYAG->btnpNO); });
    TurnCard(8);
    TurnCard(5);
    EXPECT_FALSE(blnPlayAgain);
    ExpectBackAtTheMenu(game());
    EXPECT_EQ(PendingModalActions(), 0u);
}

TEST_F(MatchingPairs, ExitAndEveryOtherCloseShowTheMenuAndTheNextOpeningDealsAnew)
{
    ScriptedRandom numbers(FirstDeal());
    OpenFromMenu(game());
    FindPair(2, 9);
    TurnCard(4);
    Click(game().btnpEXIT);
    ExpectBackAtTheMenu(game());
    // The form's variables outlive the window until the next load deals.
    EXPECT_EQ(game().PairsFound(), 1);

    numbers.Append(SecondDeal());
    OpenFromMenu(game());
    EXPECT_EQ(Words(), kSecondDealWords);
    ExpectAllFaceDown();
    EXPECT_EQ(game().Clicks(), 0);
    EXPECT_EQ(game().PairsFound(), 0);

    qby::test::RequestClose(game());
    qby::test::ProcessEvents();
    ExpectBackAtTheMenu(game());

    numbers.Append(FirstDeal());
    OpenFromMenu(game());
    game().Unload();
    ExpectBackAtTheMenu(game());
}

TEST_F(MatchingPairs, ClicksDuringATrysSoundsAndBoxNeitherJudgeAgainNorTurnFoundPairsDown)
{
    ScriptedRandom numbers(FirstDeal());
    OpenFromMenu(game());
    FindPair(1, 11);
    TakeSounds();

    // The pair 0 and 7. A third card and New wait behind the second card's click (handled
    // while the try is being judged); more clicks on cards, found ones included, New and Close
    // are made while the click and the reward sound play; OK goes at once, before the word.
    std::vector<std::string> boxes;
    OnNextModal([&](qby::Form& box) {
        boxes.push_back(box.Name() + ":" + frmMSGCRECT->lblWordWas.Caption());
        Click(frmMSGCRECT->btnpOK);
    });
    WhileSoundPlays(2, [&] {  // the second card's click
        QueueClick(game().picCARD(4));
        QueueClick(game().picCARD(1));
        QueueClick(game().btnpNEW);
    });
    WhileSoundPlays(3, [&] {  // the reward sound, as the box loads
        QueueClick(game().picCARD(2));
        QueueClick(game().btnpEXIT);
    });
    TurnCard(0);
    qby::test::QueueInput([&] { TurnCard(7); });
    QueueClick(game().picCARD(4));
    QueueClick(game().btnpNEW);
    qby::test::ProcessEvents();
    qby::TestClock::Advance(1000);
    qby::test::ProcessEvents();

    EXPECT_EQ(boxes, std::vector<std::string>{"frmMSGCRECT:You have found BlackShoe"}) << "one box for one try";
    EXPECT_EQ(TakeSounds(), (std::vector<std::string>{"CLICK", "CLICK", "WIN", "BLACKSHOE"}));
    ASSERT_TRUE(game().IsLoaded());
    EXPECT_EQ(numbers.Overrun(), 0u) << "no new deal";
    for (int found : {0, 7, 1, 11}) ExpectFound(found);
    for (int down : {2, 3, 4, 5, 6, 8, 9, 10}) {
        EXPECT_FALSE(game().imgMATCH(down).Visible()) << "card " << down;
        EXPECT_TRUE(game().picCARD(down).Enabled()) << "card " << down;
    }
    EXPECT_EQ(game().Clicks(), 0);
    EXPECT_EQ(game().PairsFound(), 2);

    // The game goes on as usual: the play-again box comes only with all six pairs face up.
    for (std::size_t p = 2; p + 1 < kFirstDealPairs.size(); ++p)
        FindPair(kFirstDealPairs[p].first, kFirstDealPairs[p].second);
    AnswerRightBox();
    OnNextModal([&](qby::Form&) {
        for (int i = 0; i < 12; ++i) ExpectFound(i);
        Click(frmMSGPLYAG->btnpNO);
    });
    TurnCard(5);
    TurnCard(8);
    ExpectBackAtTheMenu(game());
    EXPECT_EQ(PendingModalActions(), 0u);
}

}  // namespace
}  // namespace gamestest
