// Access to the embedded pictures and sounds: skinning a picture button, a window's background,
// a word's picture, and the spoken letters, words and sound effects. No procedure here reports a
// failure: a resource that is missing leaves what was shown before, or plays nothing.
#pragma once

#include "platform/com/Dispatch.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <string>

class picbtn;

// Sets the button's four state pictures from the bitmaps name & "HL", "NORMAL", "PRESSED" and
// "DISABLED" (PictureHLight, PictureNormal, PicturePressed, PictureDisabled, in that order),
// through the button's dispatch interface by property name. Each assignment stands alone: a
// bitmap that does not exist leaves that one picture as it was.
void SetButtonSkin(IDispatch* btn, const std::string& name);
void SetButtonSkin(picbtn& btn, const std::string& name);

// The JPEG resource (resType, UCase(name)) becomes the window's background picture (kept as it
// was when there is no such picture); the window's Tag is cleared either way.
void LoadFormBackground(const std::string& name, const std::string& resType, qby::Form& frm);

// The "CUSTOM" picture of the word key `name` becomes the picture box's picture; "0" means no
// picture and changes nothing, as does a key without a picture.
void ShowWordPicture(qby::PictureBox& pic, const std::string& name);

// Play the "AUDIO", "LETTERS" or "WORDS" recording of that name (a word may contain blanks) and
// return when it has been heard. Waiting window messages run before and after the sound.
void PlayAudioSound(const std::string& name);
void PlayLetterSound(const std::string& name);
void PlayWordSound(const std::string& name);

// The sound effects.
void PlayBellHigh();
void PlayClick();
void PlayLoose();
void PlayWin();
void PlayButton();

// The hover hook: does nothing.
void NoOperation();

// How many single characters of `text` equal `ch` (case counts), as decimal digits; "0" when
// none does. A `ch` of more than one character never matches.
std::string CountCharacter(const std::string& text, const std::string& ch);
