// The numbers by which the windows ask GetHelpText for their interface texts. The number is the
// key Langtext's list is cut by (number n is list entry n - 1); the name says what the text is.
#pragma once

#include <cstdint>

namespace HelpText {

constexpr std::int32_t WordsMenuInstruction = 8;  // "Click a subject from below that you want to see"
constexpr std::int32_t SubjectAnimals = 9;        // the ten subject names, 9 to 18
constexpr std::int32_t SubjectColors = 10;
constexpr std::int32_t SubjectFruits = 11;
constexpr std::int32_t SubjectGeneralItems = 12;
constexpr std::int32_t SubjectMusicalInstruments = 13;
constexpr std::int32_t SubjectNaturalEvents = 14;
constexpr std::int32_t SubjectPets = 15;
constexpr std::int32_t SubjectSports = 16;
constexpr std::int32_t SubjectTransports = 17;
constexpr std::int32_t SubjectVegetables = 18;
constexpr std::int32_t WordsInstruction = 19;       // "Click a word from below to link to this picture."
constexpr std::int32_t WordButtonTip = 20;          // "Click here to link the picture with this word"
constexpr std::int32_t WriteAlongInstruction = 21;  // "Simply Write on some paper the movement ..."
constexpr std::int32_t AlphabetInstruction = 22;    // "Press the buttons to hear the sounds"
constexpr std::int32_t Close = 23;                  // "Close"
constexpr std::int32_t OK = 24;                     // "OK"
constexpr std::int32_t GoBack = 25;                 // "Go back"
constexpr std::int32_t GoToNext = 26;               // "Go to next"
constexpr std::int32_t CurrentPictureNumber = 27;   // "The number of current pictures"
constexpr std::int32_t PassToNextPictures = 28;     // "Pass to the next pictures"
constexpr std::int32_t PairsInstruction = 29;       // "Click two cards below. A matching pair wins."
constexpr std::int32_t CardTip = 30;                // "Click here to see the Picture"
// 31 is a second "Close" that no window asks for.
constexpr std::int32_t NoThankyou = 32;                   // "No Thankyou"
constexpr std::int32_t YesPlease = 33;                    // "Yes Please"
constexpr std::int32_t ClickLettersToFillSpaces = 34;     // "Click letters from below to fill these spaces"
constexpr std::int32_t ClickLetterToPlay = 35;            // "Click on a letter to play"
constexpr std::int32_t PictureHelpTip = 36;               // "Click here to have help about this picture"
constexpr std::int32_t MenuAlphabet = 37;                 // "Learn the Alphabet"
constexpr std::int32_t MenuWords = 38;                    // "Learn Great Words"
constexpr std::int32_t MenuPicturesAndWords = 39;         // "Pictures And Words"
constexpr std::int32_t MenuWriteLetters = 40;             // "Help To Write Letters"
constexpr std::int32_t MenuMatchingPair = 41;             // "Find a Matching Pair"
constexpr std::int32_t MenuExit = 42;                     // "Exit the Program"
constexpr std::int32_t MenuLanguage = 43;                 // "Language"
constexpr std::int32_t MenuAbout = 44;                    // "About"
constexpr std::int32_t VarietyInstruction = 45;   // "Click below to choose your type of English for the words"
constexpr std::int32_t EnglishWords = 46;         // "English Words"
constexpr std::int32_t AmericanWords = 47;        // "American Words"
constexpr std::int32_t HelpInstruction = 48;      // "Click below to choose you type of help"
constexpr std::int32_t KoreanHelp = 49;           // "Korean help"
constexpr std::int32_t EnglishHelp = 50;          // "English help"
constexpr std::int32_t PlayAnimation = 51;        // "Click to play animation"

}  // namespace HelpText
