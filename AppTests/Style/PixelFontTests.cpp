#include "Style/PixelFont.h"

#include <gtest/gtest.h>

#include <map>

namespace {
QString chars(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The glyph widths of each face, grouped as the faces are designed.
const std::map<PixelFontFace, std::map<int, QString>>& widthGroups() {
    static const std::map<PixelFontFace, std::map<int, QString>> groups{
        {PixelFontFace::label,
         {{1, chars(".·'!:’")},
          {2, chars(",()")},
          {3, chars("ABCDEFGHIJKLOPQRSTUVXYZ0123456789/-&#?+–")},
          {4, chars("N½¾")},
          {5, chars("MW…♠♥♦♣")}}},
        {PixelFontFace::text,
         {{1, chars("i.,'’!:·")},
          {2, chars("jl()")},
          {3, chars("cfrtvxI1-+")},
          {4, chars("abdeghknopqsuyzABCDEFGHJKLNOPQRSUVXZ02345678 9?/&–½¾").remove(' ')},
          {5, chars("mwMTWY…♠♥♦♣×")}}},
    };
    return groups;
}

int rows(PixelFontFace face, char32_t c) {
    return static_cast<int>(PixelFont::glyph(face, c).size());
}
} // namespace

TEST(PixelFont, EveryGlyphHasItsWidthAndEvenRows) {
    for (const auto& [face, groups] : widthGroups()) {
        std::size_t total = 0;
        for (const auto& [width, characters] : groups)
            for (char32_t c : characters.toUcs4()) {
                const PixelGlyph& glyph = PixelFont::glyph(face, c);
                for (const auto& row : glyph)
                    EXPECT_EQ(static_cast<int>(row.size()), width) << QString::fromUcs4(&c, 1).toStdString();
                ++total;
            }
        EXPECT_EQ(total, PixelFont::glyphCount(face));
    }
    EXPECT_EQ(PixelFont::glyphCount(PixelFontFace::label), 59u);
    EXPECT_EQ(PixelFont::glyphCount(PixelFontFace::text), 85u);
}

TEST(PixelFont, GlyphHeightsPerFaceAndGroup) {
    for (char32_t c : chars("AZ09?.…♠").toUcs4())
        EXPECT_EQ(rows(PixelFontFace::label, c), 5);
    for (char32_t c : chars("agjqxz").toUcs4())
        EXPECT_EQ(rows(PixelFontFace::text, c), 9);
    for (char32_t c : chars("AMZ09?.!½×").toUcs4())
        EXPECT_EQ(rows(PixelFontFace::text, c), 7);
    EXPECT_EQ(rows(PixelFontFace::text, U','), 8);
    EXPECT_EQ(rows(PixelFontFace::text, U'♣'), 5);
}

TEST(PixelFont, GlyphsGivenInFull) {
    EXPECT_EQ(PixelFont::glyph(PixelFontFace::label, U'A'), (PixelGlyph{".#.", "#.#", "###", "#.#", "#.#"}));
    EXPECT_EQ(PixelFont::glyph(PixelFontFace::label, U'½'),
              (PixelGlyph{"#...", "#..#", "..#.", ".#.#", "#..#"}));
    EXPECT_EQ(PixelFont::glyph(PixelFontFace::text, U'g'),
              (PixelGlyph{"....", "....", ".###", "#..#", "#..#", "#..#", ".###", "...#", ".##."}));
    EXPECT_EQ(PixelFont::glyph(PixelFontFace::text, U'×'),
              (PixelGlyph{".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"}));
    EXPECT_EQ(PixelFont::glyph(PixelFontFace::text, U'♠'), PixelSuits::small(U's'));
    EXPECT_EQ(PixelFont::glyph(PixelFontFace::label, U'♦'), PixelSuits::small(U'd'));
}

TEST(PixelFont, LabelAmpersandAndVDoNotReadAsEightAndU) {
    const auto glyph = [](char32_t c) { return PixelFont::glyph(PixelFontFace::label, c); };
    // 8 is two closed loops; & leaves its upper loop open on the right and ends in a tail.
    EXPECT_EQ(glyph(U'8')[1], "#.#");
    EXPECT_EQ(glyph(U'&')[1], "#..");
    EXPECT_EQ(glyph(U'&')[4], ".##");
    // U ends in a bar; V comes to a point over its last two rows, and is not Y either.
    EXPECT_EQ(glyph(U'U')[4], "###");
    EXPECT_EQ(glyph(U'V')[3], ".#.");
    EXPECT_EQ(glyph(U'V')[4], ".#.");
    EXPECT_NE(glyph(U'V'), glyph(U'Y'));
}

TEST(PixelFont, LookupsUpperCaseLabelsAndFallBackToQuestionMark) {
    EXPECT_EQ(PixelFont::glyph(PixelFontFace::label, U'a'), PixelFont::glyph(PixelFontFace::label, U'A'));
    EXPECT_NE(PixelFont::glyph(PixelFontFace::text, U'a'), PixelFont::glyph(PixelFontFace::text, U'A'));
    for (auto face : {PixelFontFace::label, PixelFontFace::text})
        EXPECT_EQ(PixelFont::glyph(face, U'é'), PixelFont::glyph(face, U'?'));
}

TEST(PixelFont, Widths) {
    const auto label = PixelFontFace::label;
    EXPECT_EQ(PixelFont::width(label, ""), 0);
    EXPECT_EQ(PixelFont::width(label, " "), 2);
    EXPECT_EQ(PixelFont::width(label, "A"), 3);
    EXPECT_EQ(PixelFont::width(label, "A A"), 10);
    EXPECT_EQ(PixelFont::width(PixelFontFace::text, "Hi"), 4 + 1 + 1);
    EXPECT_EQ(PixelFont::width(PixelFontFace::text, chars("M…")), 5 + 1 + 5);
}

TEST(PixelFont, FittingShortensWithAFullStop) {
    const auto label = PixelFontFace::label;
    EXPECT_EQ(PixelFont::fitting(label, "ab cd", 12), "AB.");
    EXPECT_EQ(PixelFont::fitting(label, "ab cd", 18), "AB CD");
    EXPECT_EQ(PixelFont::fitting(label, "Biscuit", 100), "BISCUIT");
    EXPECT_EQ(PixelFont::fitting(label, "Biscuit", 0), ".");
    EXPECT_EQ(PixelFont::fitting(label, chars("½ Pot"), 100), "1/2 POT");
    EXPECT_EQ(PixelFont::fitting(PixelFontFace::text, chars("½ Pot"), 100), chars("½ Pot"));
    EXPECT_EQ(PixelFont::fitting(PixelFontFace::text, "Professor", 20), "Prof.");
    const QString fitted = PixelFont::fitting(label, "Big Lou the Great", 30);
    EXPECT_LE(PixelFont::width(label, fitted), 30);
    EXPECT_TRUE(fitted.endsWith('.'));
}

TEST(PixelFont, DisplayedTextOfEachFace) {
    EXPECT_EQ(PixelFont::displayed(PixelFontFace::label, chars("½ Pot")), "1/2 POT");
    EXPECT_EQ(PixelFont::displayed(PixelFontFace::label, chars("¾ pot")), "3/4 POT");
    EXPECT_EQ(PixelFont::displayed(PixelFontFace::text, chars("½ Pot")), chars("½ Pot"));
    EXPECT_EQ(PixelFont::lineHeight(PixelFontFace::label), 5);
    EXPECT_EQ(PixelFont::lineHeight(PixelFontFace::text), 9);
}

TEST(PixelSuits, ThreeSizesAndClubsForAnyOtherLetter) {
    EXPECT_EQ(PixelSuits::large(U'h').front(), ".##.##.");
    EXPECT_EQ(PixelSuits::large(U'x'), PixelSuits::large(U'c'));
    EXPECT_EQ(PixelSuits::mini(U'd'), (PixelGlyph{"..#..", ".###.", ".###.", "..#.."}));
    EXPECT_EQ(PixelSuits::small(U'?'), PixelSuits::small(U'c'));
    for (char32_t suit : {U's', U'h', U'd', U'c'}) {
        EXPECT_EQ(PixelSuits::small(suit).size(), 5u);
        EXPECT_EQ(PixelSuits::large(suit).size(), 7u);
        EXPECT_EQ(PixelSuits::mini(suit).size(), 4u);
    }
}
