#include "core/clsLIBTEXT.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

std::string Piece(const std::string& text, std::int32_t number, const std::string& separator = "|")
{
    return clsLIBTEXT().StringPiece(text, separator, number);
}

}  // namespace

TEST(StringPiece, PiecesCountFromOneAndMissingPiecesAreZero)
{
    EXPECT_EQ(Piece("a|b|c", 1), "a");
    EXPECT_EQ(Piece("a|b|c", 2), "b");
    EXPECT_EQ(Piece("a|b|c", 3), "c");
    EXPECT_EQ(Piece("a|b|c", 4), "0");
    EXPECT_EQ(Piece("a|b|c", 0), "0");
    EXPECT_EQ(Piece("a|b|c", -1), "0");
    EXPECT_EQ(Piece("a|b|c", INT32_MIN), "0");
    EXPECT_EQ(Piece("a|b|c", INT32_MAX), "0");
}

TEST(StringPiece, EmptyPiecesAtEitherEndAndBetweenSeparators)
{
    EXPECT_EQ(Piece("|a", 1), "");
    EXPECT_EQ(Piece("|a", 2), "a");
    EXPECT_EQ(Piece("a|", 1), "a");
    EXPECT_EQ(Piece("a|", 2), "");
    EXPECT_EQ(Piece("a|", 3), "0");
    EXPECT_EQ(Piece("a||b", 2), "");
    EXPECT_EQ(Piece("a||b", 3), "b");
}

TEST(StringPiece, TextWithoutSeparatorIsOnePiece)
{
    EXPECT_EQ(Piece("abc", 1), "abc");
    EXPECT_EQ(Piece("abc", 2), "0");
    EXPECT_EQ(Piece("", 1), "");
    EXPECT_EQ(Piece("", 2), "0");
}

TEST(StringPiece, SeparatorOfOtherThanOneCharacterNeverMatches)
{
    EXPECT_EQ(Piece("a||b", 1, "||"), "a||b");
    EXPECT_EQ(Piece("a||b", 2, "||"), "0");
    EXPECT_EQ(Piece("a|b", 1, ""), "a|b");
    EXPECT_EQ(Piece("a|b", 2, ""), "0");
}

TEST(StringPiece, CharactersBeyondAsciiAreWholeCharacters)
{
    EXPECT_EQ(Piece("확인|닫기|다음", 2), "닫기");
    EXPECT_EQ(Piece("a·b", 2, "·"), "b");  // a two-byte character as the separator
    EXPECT_EQ(Piece("a·b", 1, "\xC2"), "a·b");  // part of a character is not a character
}
