#include "Style/AvatarModel.h"

#include <gtest/gtest.h>

#include <unordered_set>

TEST(AvatarModel, HeroHasNoInitialNoSlugAndTheLightBackdrop) {
    const AvatarModel hero = AvatarModel::hero();
    EXPECT_TRUE(hero.isHero);
    EXPECT_TRUE(hero.initial.empty());
    EXPECT_FALSE(hero.slug.has_value());
    EXPECT_EQ(hero.backdrop, RGB::bytes(242, 239, 232));
}

TEST(AvatarModel, ComparedAndHashedOverAllFields) {
    const AvatarModel biscuit{"B", CharacterBackdrop::color("biscuit"), false, "biscuit"};
    AvatarModel noSlug = biscuit;
    noSlug.slug.reset();
    std::unordered_set<AvatarModel> set{biscuit, noSlug, AvatarModel::hero(), biscuit};
    EXPECT_EQ(set.size(), 3u);
    EXPECT_NE(biscuit, noSlug);
}

TEST(CharacterBackdrop, TheCastHasTwelveColoursAndUnknownSlugsFallBack) {
    EXPECT_EQ(CharacterBackdrop::colors().size(), 12u);
    EXPECT_EQ(CharacterBackdrop::color("biscuit"), RGB::bytes(242, 153, 74));
    EXPECT_EQ(CharacterBackdrop::color("professor-hoot"), RGB::bytes(155, 181, 138));
    EXPECT_EQ(CharacterBackdrop::color("big-lou"), RGB::bytes(138, 106, 79));
    EXPECT_EQ(CharacterBackdrop::color("nobody"), RGB::bytes(142, 142, 147));
    EXPECT_EQ(CharacterBackdrop::color("nobody", RGB::white), RGB::white);
}

TEST(RGB, ZeroAndNegativeZeroHashAlikeAndMixingMovesEveryComponent) {
    EXPECT_EQ(std::hash<RGB>{}(RGB{0, 0, 0, 1}), std::hash<RGB>{}(RGB{-0.0, 0, -0.0, 1}));
    EXPECT_EQ((RGB{0.5, 0.5, 0.5, 0.5}).mixed(RGB::black, 0.5), (RGB{0.25, 0.25, 0.25, 0.75}));
    EXPECT_EQ(RGB::bytes(255, 0, 255), RGB::magenta);
}
