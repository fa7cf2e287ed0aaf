#include "core/modPROGMAIN_Media.h"

#include "controls/picbtn.h"
#include "core/modSTRINGS.h"
#include "platform/forms/PictureObject.h"
#include "platform/forms/Runtime.h"
#include "platform/resources/Resources.h"
#include "platform/sound/Sound.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace {

// A picture resource decoded straight from the bytes the program carries. Nothing is written to
// disk: a fixed file in the program folder would fail where that folder is read-only (an
// installed program) and would be open to being swapped for a link by another user.
qby::Picture LoadResourcePicture(const std::string& name, std::string_view type)
{
    const std::vector<std::uint8_t> bytes = qby::LoadResData(name, type);
    if (bytes.empty()) return {};
    return qby::Picture::FromEncodedBytes(bytes.data(), bytes.size());
}

// Steps 3 to 7 of the sound procedures: load, let waiting messages run, play synchronously
// (skipped when there is no such sound), let waiting messages run again, release the bytes.
// Clicks and keys made while the sound played are dropped rather than handled once it has
// ended: handled then, they would run another lesson step before the one that played the sound
// has finished (a second box for one answer, a card turned while a pair is being judged).
void PlayResourceSound(const std::string& name, std::string_view type)
{
    std::vector<std::uint8_t> bytes = qby::LoadResData(name, type);
    qby::DoEvents();
    bool played = false;
    if (!bytes.empty()) {
        played = PlaySoundA(std::span<const std::uint8_t>(bytes), nullptr,
                            SND_NODEFAULT | SND_MEMORY | SND_NOWAIT) != 0;
    }
    if (played)
        qby::DropWaitingInput();
    else
        qby::DoEvents();
}

}  // namespace

void SetButtonSkin(IDispatch* btn, const std::string& name)
{
    struct SkinState {
        const char* suffix;
        const char* property;
    };
    static constexpr SkinState states[] = {
        {"HL", "PictureHLight"},
        {"NORMAL", "PictureNormal"},
        {"PRESSED", "PicturePressed"},
        {"DISABLED", "PictureDisabled"},
    };
    if (!btn) return;
    for (const SkinState& state : states) {
        // A bitmap that cannot be loaded skips this assignment only.
        qby::Picture picture = LoadResourcePicture(UCase(name + state.suffix), "BITMAP");
        if (picture.IsEmpty()) continue;
        Variant value = qby::PictureVariant(picture);
        InvokeByName(btn, state.property, DISPATCH_PROPERTYPUTREF, std::span<Variant>(&value, 1), nullptr);
    }
}

void SetButtonSkin(picbtn& btn, const std::string& name)
{
    ComPtr<IDispatch> object = btn.Object();
    SetButtonSkin(object.Get(), name);
}

void LoadFormBackground(const std::string& name, const std::string& resType, qby::Form& frm)
{
    qby::Picture picture = LoadResourcePicture(UCase(name), resType);
    if (!picture.IsEmpty()) frm.Picture(picture);
    frm.Tag("");
}

void ShowWordPicture(qby::PictureBox& pic, const std::string& name)
{
    if (name == "0") return;
    qby::Picture picture = LoadResourcePicture(UCase(name), "CUSTOM");
    if (!picture.IsEmpty()) pic.Picture(picture);
}

void PlayAudioSound(const std::string& name)
{
    qby::DoEvents();
    PlayResourceSound(name, "AUDIO");
}

void PlayLetterSound(const std::string& name)
{
    qby::DoEvents();
    PlayResourceSound(name, "LETTERS");
}

void PlayWordSound(const std::string& name)
{
    qby::DoEvents();
    const std::string key = WithoutBlanks(name);
    qby::DoEvents();
    PlayResourceSound(key, "WORDS");
}

void PlayBellHigh() { PlayAudioSound("BELLHIGH"); }
void PlayClick() { PlayAudioSound("CLICK"); }
void PlayLoose() { PlayAudioSound("LOOSE"); }
void PlayWin() { PlayAudioSound("WIN"); }
void PlayButton() { PlayAudioSound("BUTTON"); }

void NoOperation() {}

std::string CountCharacter(const std::string& text, const std::string& ch)
{
    // Characters are UTF-8 sequences: a lead byte and its continuation bytes (a stray byte that
    // is no part of a sequence counts as one character of its own).
    auto characterLength = [&text](std::size_t at) {
        std::size_t length = 1;
        while (at + length < text.size() && (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80 &&
               (static_cast<unsigned char>(text[at]) & 0xC0) == 0xC0 && length < 4)
            ++length;
        return length;
    };
    long count = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = characterLength(at);
        if (text.compare(at, length, ch) == 0) ++count;
        at += length;
    }
    return std::to_string(count);
}
