#include "langtext/InterfaceTexts.h"

// Entries 0 to 6 are reserved places the windows never ask for.
constexpr InterfaceTextEntries kEnglishTexts = {
    "Quillby",                                                     // 0
    "Interface texts 7.0",                                         // 1
    "English",                                                     // 2
    "",                                                            // 3
    "",                                                            // 4
    "",                                                            // 5
    "",                                                            // 6
    "Click a subject from below that you want to see",             // 7: words menu
    "Animals",                                                     // 8: subject names 8 to 17
    "Colors",                                                      // 9
    "Fruits",                                                      // 10
    "General Items",                                               // 11
    "Musical Instruments",                                         // 12
    "Natural Events",                                              // 13
    "Pets",                                                        // 14
    "Sports",                                                      // 15
    "Transports",                                                  // 16
    "Vegetables",                                                  // 17
    "Click a word from below to link to this picture.",            // 18: words lesson
    "Click here to link the picture with this word",               // 19
    "Simply Write on some paper the movement of the animation",    // 20: write-along
    "Press the buttons to hear the sounds",                        // 21: alphabet lesson
    "Close",                                                       // 22
    "OK",                                                          // 23
    "Go back",                                                     // 24
    "Go to next",                                                  // 25
    "The number of current pictures",                              // 26
    "Pass to the next pictures",                                   // 27
    "Click two cards below. A matching pair wins.",                // 28: matching pairs
    "Click here to see the Picture",                               // 29
    "Close",                                                       // 30
    "No Thankyou",                                                 // 31: play-again box
    "Yes Please",                                                  // 32
    "Click letters from below to fill these spaces",               // 33: pictures and words
    "Click on a letter to play",                                   // 34
    "Click here to have help about this picture",                  // 35
    "Learn the Alphabet",                                          // 36: menu
    "Learn Great Words",                                           // 37
    "Pictures And Words",                                          // 38
    "Help To Write Letters",                                       // 39
    "Find a Matching Pair",                                        // 40
    "Exit the Program",                                            // 41
    "Language",                                                    // 42
    "About",                                                       // 43
    "Click below to choose your type of English for the words",    // 44: language dialog
    "English Words",                                               // 45
    "American Words",                                              // 46
    "Click below to choose you type of help",                      // 47
    "Korean help",                                                 // 48
    "English help",                                                // 49
    "Click to play animation",                                     // 50: write-along
};

constexpr InterfaceTextEntries kKoreanTexts = {
    "Quillby",                      // 0
    "Interface texts 7.0",          // 1
    "한국어",                       // 2
    "",                             // 3
    "",                             // 4
    "",                             // 5
    "",                             // 6
    "원하시는 주제를 선택해주세요", // 7
    "동물",                         // 8
    "색깔",                         // 9
    "과일",                         // 10
    "일반",                         // 11
    "악기",                         // 12
    "자연현상",                     // 13
    "애완동물",                     // 14
    "스포츠",                       // 15
    "운송수단",                     // 16
    "야채",                         // 17
    "그림에 맞는 단어를 고르기",    // 18
    "그림에 해당하는 단어를 클릭",  // 19
    "알맞는 쓰기순서",              // 20
    "원어민 발음듣기",              // 21
    "닫기",                         // 22
    "확인",                         // 23
    "되돌아가기",                   // 24
    "다음",                         // 25
    "현재페이지",                   // 26
    "다음",                         // 27
    "두개의 같은 그림찾기.",        // 28
    "그림을 보려면 클릭",           // 29
    "닫기",                         // 30
    "아니오",                       // 31
    "예",                           // 32
    "단어 완성하기",                // 33
    "단어 찾기",                    // 34
    "도움말",                       // 35
    "알파벳",                       // 36
    "주제별 단어",                  // 37
    "단어 완성하기",                // 38
    "알파벳 쓰기",                  // 39
    "같은 그림 찾기",               // 40
    "나가기",                       // 41
    "언어타입",                     // 42
    "프로그램 정보",                // 43
    "언어타입 선택",                // 44
    "영국 영어",                    // 45
    "미국 영어",                    // 46
    "도움말",                       // 47
    "한국어",                       // 48
    "영어 도움말",                  // 49
    "시작",                         // 50
};
