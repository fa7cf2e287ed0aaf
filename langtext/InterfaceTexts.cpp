#include "langtext/InterfaceTexts.h"

// Each comment gives the number the windows ask GetHelpText for: list entry + 1. Entries 0 to 6
// (numbers 1 to 7) are reserved places the windows never ask for.
constexpr InterfaceTextEntries kEnglishTexts = {
    "Quillby",                                                     // 1
    "Interface texts 7.0",                                         // 2
    "English",                                                     // 3
    "",                                                            // 4
    "",                                                            // 5
    "",                                                            // 6
    "",                                                            // 7
    "Click a subject from below that you want to see",             // 8: words menu
    "Animals",                                                     // 9: subject names 9 to 18
    "Colors",                                                      // 10
    "Fruits",                                                      // 11
    "General Items",                                               // 12
    "Musical Instruments",                                         // 13
    "Natural Events",                                              // 14
    "Pets",                                                        // 15
    "Sports",                                                      // 16
    "Transports",                                                  // 17
    "Vegetables",                                                  // 18
    "Click a word from below to link to this picture.",            // 19: words lesson
    "Click here to link the picture with this word",               // 20
    "Simply Write on some paper the movement of the animation",    // 21: write-along
    "Press the buttons to hear the sounds",                        // 22: alphabet lesson
    "Close",                                                       // 23
    "OK",                                                          // 24
    "Go back",                                                     // 25
    "Go to next",                                                  // 26
    "The number of current pictures",                              // 27
    "Pass to the next pictures",                                   // 28
    "Click two cards below. A matching pair wins.",                // 29: matching pairs
    "Click here to see the Picture",                               // 30
    "Close",                                                       // 31
    "No Thankyou",                                                 // 32: play-again box
    "Yes Please",                                                  // 33
    "Click letters from below to fill these spaces",               // 34: pictures and words
    "Click on a letter to play",                                   // 35
    "Click here to have help about this picture",                  // 36
    "Learn the Alphabet",                                          // 37: menu
    "Learn Great Words",                                           // 38
    "Pictures And Words",                                          // 39
    "Help To Write Letters",                                       // 40
    "Find a Matching Pair",                                        // 41
    "Exit the Program",                                            // 42
    "Language",                                                    // 43
    "About",                                                       // 44
    "Click below to choose your type of English for the words",    // 45: language dialog
    "English Words",                                               // 46
    "American Words",                                              // 47
    "Click below to choose you type of help",                      // 48
    "Korean help",                                                 // 49
    "English help",                                                // 50
    "Click to play animation",                                     // 51: write-along
};

constexpr InterfaceTextEntries kKoreanTexts = {
    "Quillby",                      // 1
    "Interface texts 7.0",          // 2
    "한국어",                       // 3
    "",                             // 4
    "",                             // 5
    "",                             // 6
    "",                             // 7
    "원하시는 주제를 선택해주세요", // 8
    "동물",                         // 9
    "색깔",                         // 10
    "과일",                         // 11
    "일반",                         // 12
    "악기",                         // 13
    "자연현상",                     // 14
    "애완동물",                     // 15
    "스포츠",                       // 16
    "운송수단",                     // 17
    "야채",                         // 18
    "그림에 맞는 단어를 고르기",    // 19
    "그림에 해당하는 단어를 클릭",  // 20
    "알맞는 쓰기순서",              // 21
    "원어민 발음듣기",              // 22
    "닫기",                         // 23
    "확인",                         // 24
    "되돌아가기",                   // 25
    "다음",                         // 26
    "현재페이지",                   // 27
    "다음",                         // 28
    "두개의 같은 그림찾기.",        // 29
    "그림을 보려면 클릭",           // 30
    "닫기",                         // 31
    "아니오",                       // 32
    "예",                           // 33
    "단어 완성하기",                // 34
    "단어 찾기",                    // 35
    "도움말",                       // 36
    "알파벳",                       // 37
    "주제별 단어",                  // 38
    "단어 완성하기",                // 39
    "알파벳 쓰기",                  // 40
    "같은 그림 찾기",               // 41
    "나가기",                       // 42
    "언어타입",                     // 43
    "프로그램 정보",                // 44
    "언어타입 선택",                // 45
    "영국 영어",                    // 46
    "미국 영어",                    // 47
    "도움말",                       // 48
    "한국어",                       // 49
    "영어 도움말",                  // 50
    "시작",                         // 51
};
