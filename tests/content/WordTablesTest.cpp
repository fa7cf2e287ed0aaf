// The six word tables as committed: their words, order, counts, layout and the differences
// between the British and the American tables.
#include "ContentFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <sstream>

using namespace contenttest;

namespace {

std::vector<std::string> splitList(const std::string& list)
{
    std::vector<std::string> words;
    std::stringstream in(list);
    std::string word;
    while (std::getline(in, word, ',')) {
        word.erase(0, word.find_first_not_of(' '));
        words.push_back(word);
    }
    return words;
}

// The British letters table's words, letter by letter.
const std::map<char, std::string> kBritishLetterWords = {
    {'A', "Airplane, Ambulance, Apple, Aubergine, Autumn"},
    {'B',
     "Banana, Baseball, Basketball, Bear, Bicycle, Blackberry, Black Shoe, Blueberry, "
     "Blue Car, Blue Sea, Broccoli, Brown Bag, Bus"},
    {'C', "Camel, Car, Carrot, Cat, Cherry, Chilli, Cloud, Corn, Courgette"},
    {'D', "Diving, Dog, Dolphin, Drum, Duck"},
    {'E', "Eagle, Ear, Earth, Egg, Elephant, Emu, Eye"},
    {'F', "Ferry, Fish, Fishing, Flute, Fog, Football, Frost"},
    {'G', "Garlic, Giraffe, Golf, Goose, Grape, Green Frog, Green Plant, Guitar"},
    {'H', "Hamster, Helicopter, Hippopotamus, Horse, Hyena"},
    {'I', "Ibis, Ice, Ice cream, Iguana, Island"},
    {'J', "Jaguar, Jellyfish, Jet, Jewellery"},
    {'K', "Kangaroo, Key, Kitten, Kiwi Fruit, Knife and Fork, Koala, Kookaburra"},
    {'L', "Lemon, Lettuce, Lightning, Lime, Lion"},
    {'M', "Mandolin, Mango, Melon, Moon, Motorcycle, Mushroom"},
    {'N', "Nest, Night, Noodles, Nose, Nut"},
    {'O', "Ocean, Onion, Orange, Orange Flower, Orange Pencil"},
    {'P', "Parrot, Pea, Piano, Pineapple, Ping Pong, Pink Flowers, Potato, Pumpkin, Purple Glove"},
    {'Q', "Quail, Queen, Quokka"},
    {'R',
     "Rabbit, Radish, Rain, Rainbow, Recorder, Red Guitar, Red Telephone, Rhinoceros, Rock, "
     "Running"},
    {'S', "Ship, Ski, Snow, Squirrel, Storm, Strawberry, Summer, Sunset"},
    {'T', "Tiger, Tomato, Tortoise, Tractor, Train, Tropical Fish, Truck, Turtle"},
    {'U', "Umbrella, Underground, Unicorn"},
    {'V', "Violet Flowers, Violin, Volcano"},
    {'W', "Wallaby, Water Melon, Whale, Whistle, White Cup, White Flowers, Wind, Winter"},
    {'X', "X ray, Xylophone"},
    {'Y', "Yacht, Yellow Balloons, Yellow Flowers, Yoghurt"},
    {'Z', "Zebra, Zip, Zoo"},
};

// The American letters table: the same words in the same places except these.
const std::map<char, std::string> kAmericanLetterWordsThatDiffer = {
    {'A', "Airplane, Ambulance, Apple, Autumn"},
    {'C', "Camel, Car, Carrot, Cat, Cherry, Chili, Cloud, Corn"},
    {'E', "Eagle, Ear, Earth, Egg, Eggplant, Elephant, Emu, Eye"},
    {'F', "Ferry, Fish, Fishing, Flute, Fog, Frost"},
    {'J', "Jaguar, Jellyfish, Jet, Jewelry"},
    {'S', "Ship, Ski, Snow, Soccer, Squirrel, Storm, Strawberry, Subway, Summer, Sunset"},
    {'U', "Umbrella, Unicorn"},
    {'Z', "Zebra, Zip, Zoo, Zucchini"},
};

const std::vector<int> kBritishCounts = {5, 13, 9, 5, 7,  7, 8, 5, 5, 4, 7, 5, 6,
                                         5, 5,  9, 3, 10, 8, 8, 3, 3, 8, 2, 4, 3};
const std::vector<int> kAmericanCounts = {4, 13, 8, 5, 8,  6,  8, 5, 5, 4, 7, 5, 6,
                                          5, 5,  9, 3, 10, 10, 8, 2, 3, 8, 2, 4, 4};

std::vector<std::string> expectedLetterWords(char letter, bool american)
{
    if (american && kAmericanLetterWordsThatDiffer.count(letter))
        return splitList(kAmericanLetterWordsThatDiffer.at(letter));
    return splitList(kBritishLetterWords.at(letter));
}

// British spellings of the sentences and the American ones that replace them.
const std::vector<std::pair<std::string, std::string>> kSpellings = {
    {"colour", "color"},       {"colours", "colors"}, {"coloured", "colored"},
    {"colourful", "colorful"}, {"flavour", "flavor"}, {"flavours", "flavors"},
    {"favourite", "favorite"}, {"grey", "gray"},
};

// Position of `word` in `text` as a whole word (not inside a longer word), from `from` on.
size_t findWholeWord(const std::string& text, const std::string& word, size_t from = 0)
{
    const auto isLetter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
    for (size_t at = text.find(word, from); at != std::string::npos; at = text.find(word, at + 1)) {
        const size_t end = at + word.size();
        if ((at == 0 || !isLetter(text[at - 1])) && (end == text.size() || !isLetter(text[end])))
            return at;
    }
    return std::string::npos;
}

bool hasWholeWord(const std::string& text, const std::string& word)
{
    return findWholeWord(text, word) != std::string::npos;
}

std::string toAmerican(std::string sentence)
{
    for (const auto& [british, american] : kSpellings)
        for (size_t at = findWholeWord(sentence, british); at != std::string::npos;
             at = findWholeWord(sentence, british, at + american.size()))
            sentence.replace(at, british.size(), american);
    return sentence;
}

std::string lower(std::string s)
{
    for (char& c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Blanks and case ignored.
std::string sortKey(const std::string& word)
{
    return lower(wordKey(word));
}

bool sortedIgnoringBlanksAndCase(const std::vector<std::string>& words)
{
    return std::is_sorted(
        words.begin(), words.end(),
        [](const std::string& a, const std::string& b) { return sortKey(a) < sortKey(b); });
}

struct Table {
    std::string bytes;
    std::vector<std::string> lines;
    bool crLf = false;
};

Table loadTable(const std::string& name)
{
    Table table;
    const auto bytes = readFile(resourcePath("DATA/" + name + ".txt"));
    if (!bytes) {
        ADD_FAILURE() << name << " is missing";
        return table;
    }
    table.bytes = *bytes;
    table.lines = splitCrLf(table.bytes, table.crLf);
    return table;
}

// The layout rules every table keeps: CR LF after every line, printable ASCII, no "|", no empty
// line, no blank at either end of a line.
void expectPlainLines(const std::string& name, const Table& table)
{
    EXPECT_TRUE(table.crLf) << name << ": every line must end with CR LF, the last included";
    for (size_t i = 0; i < table.lines.size(); ++i) {
        const std::string& line = table.lines[i];
        SCOPED_TRACE(name + " line " + std::to_string(i + 1) + ": '" + line + "'");
        EXPECT_FALSE(line.empty());
        EXPECT_EQ(line.find('|'), std::string::npos);
        EXPECT_TRUE(
            std::all_of(line.begin(), line.end(), [](char c) { return c >= 0x20 && c < 0x7f; }));
        if (!line.empty()) {
            EXPECT_NE(line.front(), ' ');
            EXPECT_NE(line.back(), ' ');
        }
    }
}

struct WordRecord {
    std::string word;
    std::vector<std::string> sentences;
};

// Parses a letters table into its groups; fails the test on any structural fault.
std::map<char, std::vector<WordRecord>> parseLettersTable(const std::string& name,
                                                          const Table& table)
{
    std::map<char, std::vector<WordRecord>> groups;
    size_t at = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (at + 2 > table.lines.size()) {
            ADD_FAILURE() << name << " ends before the group of " << letter;
            return groups;
        }
        EXPECT_EQ(table.lines[at], std::string(1, letter)) << name << " line " << at + 1;
        const std::string& countLine = table.lines[at + 1];
        const bool numeric =
            !countLine.empty() && std::all_of(countLine.begin(), countLine.end(),
                                              [](char c) { return std::isdigit(uint8_t(c)); });
        if (!numeric) {
            ADD_FAILURE() << name << ": count line of " << letter << " is '" << countLine << "'";
            return groups;
        }
        const size_t count = std::stoul(countLine);
        at += 2;
        for (size_t i = 0; i < count && at + 4 <= table.lines.size(); ++i, at += 4)
            groups[letter].push_back(
                {table.lines[at], {table.lines[at + 1], table.lines[at + 2], table.lines[at + 3]}});
    }
    EXPECT_EQ(at, table.lines.size()) << name << " has lines after the group of Z";
    return groups;
}

class LettersTable : public ::testing::TestWithParam<bool> {};

TEST_P(LettersTable, HasTheWordsOfEveryLetterInOrderWithThreeSentencesEach)
{
    const bool american = GetParam();
    const std::string name = american ? "US_INF" : "ENG_INF";
    const Table table = loadTable(name);
    expectPlainLines(name, table);
    EXPECT_EQ(table.lines.size(), 680u);

    const auto groups = parseLettersTable(name, table);
    const auto& counts = american ? kAmericanCounts : kBritishCounts;
    size_t words = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        SCOPED_TRACE(name + " letter " + std::string(1, letter));
        const auto it = groups.find(letter);
        const std::vector<WordRecord> records =
            it == groups.end() ? std::vector<WordRecord>{} : it->second;
        EXPECT_EQ(int(records.size()), counts[size_t(letter - 'A')]);
        std::vector<std::string> found;
        for (const WordRecord& record : records) {
            found.push_back(record.word);
            for (const std::string& sentence : record.sentences) {
                EXPECT_GE(sentence.size(), 2u);
                EXPECT_NE(std::string(".?!").find(sentence.back()), std::string::npos) << sentence;
                EXPECT_TRUE(std::isupper(uint8_t(sentence.front()))) << sentence;
                EXPECT_NE(lower(sentence).find(lower(record.word)), std::string::npos)
                    << "'" << sentence << "' does not name " << record.word;
            }
        }
        EXPECT_EQ(found, expectedLetterWords(letter, american));
        EXPECT_TRUE(sortedIgnoringBlanksAndCase(found));
        words += records.size();
    }
    EXPECT_EQ(words, 157u);

    // The letter lines are the only lines of a single letter.
    size_t oneLetterLines = 0;
    for (const std::string& line : table.lines)
        oneLetterLines += line.size() == 1 && std::isalpha(uint8_t(line[0]));
    EXPECT_EQ(oneLetterLines, 26u);
}

TEST_P(LettersTable, StartsWithTheAirplaneRecord)
{
    const Table table = loadTable(GetParam() ? "US_INF" : "ENG_INF");
    ASSERT_GE(table.lines.size(), 6u);
    const std::vector<std::string> start(table.lines.begin(), table.lines.begin() + 6);
    const std::vector<std::string> expected = {"A",
                                               GetParam() ? "4" : "5",
                                               "Airplane",
                                               "An Airplane can fly very high.",
                                               "I go on my holidays by an airplane.",
                                               "An airplane can be very noisy."};
    EXPECT_EQ(start, expected);
}

INSTANTIATE_TEST_SUITE_P(BritishAndAmerican, LettersTable, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "US_INF" : "ENG_INF"; });

TEST(LettersTables, SharedWordsDifferOnlyInAmericanSpelling)
{
    const auto british = parseLettersTable("ENG_INF", loadTable("ENG_INF"));
    const auto american = parseLettersTable("US_INF", loadTable("US_INF"));
    std::map<std::string, std::vector<std::string>> britishSentences;
    for (const auto& [letter, records] : british)
        for (const WordRecord& r : records)
            britishSentences[r.word] = r.sentences;

    size_t shared = 0;
    std::set<std::string> britishSpellingsUsed;
    for (const auto& [letter, records] : american) {
        for (const WordRecord& r : records) {
            const auto it = britishSentences.find(r.word);
            if (it == britishSentences.end())
                continue;
            ++shared;
            for (size_t i = 0; i < 3; ++i) {
                EXPECT_EQ(r.sentences[i], toAmerican(it->second[i])) << r.word;
                for (const auto& [british, american] : kSpellings)
                    if (hasWholeWord(it->second[i], british))
                        britishSpellingsUsed.insert(british);
            }
        }
    }
    EXPECT_EQ(shared, 151u);
    // The British table really uses the British forms the American one replaces.
    for (const char* form : {"colour", "colours", "coloured", "flavour"})
        EXPECT_TRUE(britishSpellingsUsed.count(form)) << form;

    // Neither table slips into the other's spelling.
    for (const auto& [letter, records] : british)
        for (const WordRecord& r : records)
            for (const std::string& s : r.sentences)
                for (const auto& [british, american] : kSpellings)
                    EXPECT_FALSE(hasWholeWord(lower(s), american)) << s;
    for (const auto& [letter, records] : american)
        for (const WordRecord& r : records)
            for (const std::string& s : r.sentences)
                for (const auto& [british, american] : kSpellings)
                    EXPECT_FALSE(hasWholeWord(lower(s), british)) << s;
}

// Subject tables: (subject, British words, American words where they differ).
struct Subject {
    std::string key;
    std::string british;
    std::string american;
};

const std::vector<Subject> kSubjects = {
    {"ANIMALS",
     "Bear, Camel, Dolphin, Duck, Eagle, Elephant, Emu, Giraffe, Goose, Hippopotamus, "
     "Horse, Hyena, Ibis, Jaguar, Jellyfish, Kangaroo, Koala, Kookaburra, Lion, Nest, "
     "Quail, Quokka, Rhinoceros, Squirrel, Tiger, Turtle, Unicorn, Wallaby, Whale, "
     "Zebra, Zoo",
     ""},
    {"COLORS",
     "Black shoe, Blue car, Blue sea, Brown bag, Green frog, Green plant, Orange flower, "
     "Orange pencil, Pink flowers, Purple glove, Red guitar, Red telephone, "
     "Violet flowers, White cup, White flowers, Yellow balloons, Yellow flowers",
     ""},
    {"FRUIT",
     "Apple, Banana, Blackberry, Blueberry, Cherry, Grape, Kiwi fruit, Lemon, Lime, "
     "Mango, Melon, Orange, Pineapple, Strawberry, Watermelon",
     ""},
    {"GENERAL",
     "Ear, Egg, Eye, Ice cream, Jewellery, Key, Knife and fork, Noodles, Nose, Nut, "
     "Queen, X ray, Yoghurt, Zip",
     "Ear, Egg, Eye, Ice cream, Jewelry, Key, Knife and fork, Noodles, Nose, Nut, Queen, X ray, "
     "Yoghurt, Zip"},
    {"MUSICAL", "Drum, Flute, Guitar, Mandolin, Piano, Recorder, Trumpet, Violin, Xylophone", ""},
    {"NATURAL",
     "Autumn, Cloud, Coast, Earth, Fog, Frost, Ice, Island, Lightning, Moon, Night, "
     "Ocean, Rain, Rainbow, Rock, Snow, Storm, Summer, Sunset, Umbrella, Volcano, Wind, "
     "Winter",
     ""},
    {"PETS", "Cat, Dog, Fish, Hamster, Iguana, Kitten, Parrot, Rabbit, Tortoise, Tropical fish",
     ""},
    {"SPORTS",
     "Baseball, Basketball, Diving, Fishing, Football, Golf, Ping pong, Running, Ski, "
     "Whistle",
     "Baseball, Basketball, Diving, Fishing, Golf, Ping Pong, Running, Ski, Soccer, Whistle"},
    {"TRANSPORT",
     "Airplane, Ambulance, Bicycle, Bus, Car, Ferry, Helicopter, Jet, Motorcycle, "
     "Ship, Tractor, Train, Truck, Underground, Yacht",
     "Airplane, Ambulance, Bicycle, Bus, Car, Ferry, Helicopter, Jet, Motorcycle, Ship, Subway, "
     "Tractor, Train, Truck, Yacht"},
    {"VEGETABLES",
     "Aubergine, Broccoli, Carrot, Chilli, Corn, Courgette, Garlic, Lettuce, "
     "Mushroom, Onion, Pea, Potato, Pumpkin, Radish, Tomato",
     "Broccoli, Carrot, Chili, Corn, Eggplant, Garlic, Lettuce, Mushroom, Onion, Pea, Potato, "
     "Pumpkin, Radish, Tomato, Zucchini"},
};

class SubjectTable : public ::testing::TestWithParam<bool> {};

TEST_P(SubjectTable, HasTheTenSubjectsWithTheirWords)
{
    const bool american = GetParam();
    const std::string name = american ? "US_WRDS" : "ENG_WRDS";
    const Table table = loadTable(name);
    expectPlainLines(name, table);
    EXPECT_EQ(table.lines.size(), 179u);

    std::vector<std::string> expected;
    for (const Subject& s : kSubjects) {
        const auto words = splitList(american && !s.american.empty() ? s.american : s.british);
        EXPECT_TRUE(sortedIgnoringBlanksAndCase(words)) << s.key;
        EXPECT_EQ(std::set<std::string>(words.begin(), words.end()).size(), words.size()) << s.key;
        expected.push_back(s.key);
        expected.push_back(std::to_string(words.size()));
        expected.insert(expected.end(), words.begin(), words.end());
    }
    EXPECT_EQ(table.lines, expected);
}

INSTANTIATE_TEST_SUITE_P(BritishAndAmerican, SubjectTable, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "US_WRDS" : "ENG_WRDS"; });

const char* const kBritishWordList =
    "Airplane, Ambulance, Apple, Aubergine, Autumn, Banana, Baseball, Basketball, Bear, Bicycle, "
    "Blackberry, Black Shoe, Blueberry, Blue Car, Blue Sea, Broccoli, Brown Bag, Bus, Camel, Car, "
    "Carrot, Cat, Cherry, Chilli, Cloud, Corn, Diving, Dog, Dolphin, Drum, Duck, Eagle, Ear, "
    "Earth, Egg, Elephant, Emu, Eye, Ferry, Fish, Fishing, Flute, Fog, Football, Frost, Garlic, "
    "Giraffe, Golf, Goose, Grape, Green Frog, Green Plant, Guitar, Hamster, Helicopter, "
    "Hippopotamus, Horse, Hyena, Ibis, Ice, Ice Cream, Iguana, Island, Jaguar, Jellyfish, Jet, "
    "Jewellery, Kangaroo, Key, Kitten, Kiwi Fruit, Knife and Fork, Koala, Kookaburra, Lemon, "
    "Lettuce, Lightning, Lime, Lion, Mandolin, Mango, Melon, Moon, Motorcycle, Mushroom, Nest, "
    "Night, Noodles, Nose, Nut, Ocean, Onion, Orange, Orange Flower, Orange Pencil, Parrot, Pea, "
    "Piano, Pineapple, Ping Pong, Pink Flowers, Potato, Pumpkin, Purple Glove, Quail, Queen, "
    "Quokka, Rabbit, Radish, Rain, Rainbow, Recorder, Red Guitar, Red Telephone, Rhinoceros, Rock, "
    "Running, Ship, Ski, Snow, Squirrel, Storm, Strawberry, Summer, Sunset, Tiger, Tomato, "
    "Tortoise, Tractor, Train, Tropical Fish, Truck, Turtle, Umbrella, Underground, Unicorn, "
    "Violet Flowers, Violin, Volcano, Wallaby, Water Melon, Whale, Whistle, White Cup, "
    "White Flowers, Wind, Winter, X ray, Xylophone, Yacht, Yellow Balloons, Yellow Flowers, "
    "Yoghurt, Zebra, Zip, Zoo, Zucchini";

std::vector<std::string> expectedWordList(bool american)
{
    auto words = splitList(kBritishWordList);
    if (!american)
        return words;
    const std::map<std::string, std::string> spelling = {{"Aubergine", "Eggplant"},
                                                         {"Chilli", "Chili"},
                                                         {"Football", "Soccer"},
                                                         {"Jewellery", "Jewelry"},
                                                         {"Underground", "Subway"}};
    for (std::string& w : words)
        if (spelling.count(w))
            w = spelling.at(w);
    std::stable_sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
        return sortKey(a) < sortKey(b);
    });
    return words;
}

class WordList : public ::testing::TestWithParam<bool> {};

TEST_P(WordList, HoldsTheWordsSortedByItsOwnSpelling)
{
    const bool american = GetParam();
    const std::string name = american ? "US_PICANDWORDS" : "ENG_PICANDWORDS";
    const Table table = loadTable(name);
    expectPlainLines(name, table);
    EXPECT_EQ(table.lines.size(), 157u);
    EXPECT_EQ(table.bytes.size(), american ? 1357u : 1368u);
    EXPECT_EQ(table.lines, expectedWordList(american));
    EXPECT_TRUE(sortedIgnoringBlanksAndCase(table.lines));

    size_t longest = 0;
    size_t withBlanks = 0;
    for (const std::string& line : table.lines) {
        EXPECT_TRUE(std::all_of(line.begin(), line.end(), [](char c) {
            return c == ' ' || std::isalpha(uint8_t(c));
        })) << line;
        EXPECT_TRUE(std::isupper(uint8_t(line.front()))) << line;
        longest = std::max(longest, line.size());
        withBlanks += line.find(' ') != std::string::npos;
    }
    EXPECT_EQ(longest, 15u);
    EXPECT_EQ(withBlanks, 24u);
}

INSTANTIATE_TEST_SUITE_P(BritishAndAmerican, WordList, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "US" : "ENG"; });

TEST(WordLists, AgreeOutsideTheLinesTheRespellingsMove)
{
    const Table british = loadTable("ENG_PICANDWORDS");
    const Table american = loadTable("US_PICANDWORDS");
    ASSERT_EQ(british.lines.size(), american.lines.size());
    for (size_t i = 0; i < british.lines.size(); ++i) {
        const size_t line = i + 1;
        if (line <= 3 || line >= 136) {
            EXPECT_EQ(british.lines[i], american.lines[i]) << "line " << line;
        }
    }
    EXPECT_NE(british.lines[3], american.lines[3]);      // line 4: Aubergine / Autumn
    EXPECT_NE(british.lines[134], american.lines[134]);  // line 135: Underground / Unicorn
}

}  // namespace
