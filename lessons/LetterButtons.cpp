#include "lessons/LetterButtons.h"

#include "controls/WindowDesign.h"

#include <array>

namespace {

constexpr std::array<double, 13> kRowLefts = {405,  1110, 1830, 2520, 3210, 3930, 4635,
                                              5340, 6045, 6750, 7455, 8160, 8865};

}  // namespace

std::string LetterOfButton(int index)
{
    if (index < 0 || index > 25) return "";
    return std::string(1, static_cast<char>('A' + index));
}

double LetterButtonLeft(int index)
{
    return kRowLefts[static_cast<std::size_t>(((index % 13) + 13) % 13)];
}

qby::PropertyBag LetterButtonDesign(int index)
{
    return PictureButtonDesign("LETTERS", LetterOfButton(index), /*withDisabledPicture=*/true);
}
