#include "Style/Drawing/ThemeFonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include <set>

#include <gtest/gtest.h>

// The system font the satin and pixel styles set their text in, and what it must be able to show.

namespace {
const std::vector<FontWeight> allWeights{FontWeight::regular, FontWeight::medium, FontWeight::semibold,
                                         FontWeight::bold, FontWeight::heavy};

// The fonts Qt shapes `text` with, one per run.
std::vector<QRawFont> fontsUsed(const QFont& font, const QString& text) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    std::vector<QRawFont> fonts;
    for (const QGlyphRun& run : layout.glyphRuns())
        fonts.push_back(run.rawFont());
    return fonts;
}
} // namespace

TEST(SystemFont, TheFamilyIsInstalledWithAFaceForEveryWeight) {
    ASSERT_TRUE(QFontDatabase::hasFamily(ThemeFonts::systemFamily()))
        << "scripts/bootstrap installs the system font's package";
    std::set<QString> faces;
    int lastWeight = 0;
    for (FontWeight weight : allWeights) {
        const QFontInfo info(ThemeFonts::system(14, weight));
        EXPECT_EQ(info.family(), ThemeFonts::systemFamily());
        faces.insert(info.styleName());
        EXPECT_GT(info.weight(), lastWeight) << info.styleName().toStdString();
        lastWeight = info.weight();
    }
    // Five roles' weights, five faces: none collapses onto its neighbour.
    EXPECT_EQ(faces.size(), allWeights.size());
}

TEST(SystemFont, DigitsShareOneWidthInEveryWeight) {
    for (FontWeight weight : allWeights) {
        const QFontMetricsF metrics(ThemeFonts::system(17, weight));
        const double zero = metrics.horizontalAdvance(QLatin1Char('0'));
        for (char digit = '1'; digit <= '9'; ++digit)
            EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QLatin1Char(digit)), zero) << digit;
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance("1,111"), metrics.horizontalAdvance("8,888"));
    }
}

TEST(SystemFont, SuitSymbolsFallBackToAFaceThatHasThem) {
    ASSERT_TRUE(QFontDatabase::hasFamily(ThemeFonts::fallbackFamily()));
    for (FontWeight weight : {FontWeight::regular, FontWeight::semibold}) {
        const QFont font = ThemeFonts::system(13, weight);
        for (char32_t symbol : {U'♠', U'♥', U'♦', U'♣'}) {
            const QString text = QString::fromUcs4(&symbol, 1);
            const std::vector<QRawFont> fonts = fontsUsed(font, text);
            ASSERT_EQ(fonts.size(), 1u);
            EXPECT_TRUE(fonts.front().supportsCharacter(symbol)) << text.toStdString();
            EXPECT_TRUE(fonts.front().familyName() == ThemeFonts::systemFamily() ||
                        fonts.front().familyName() == ThemeFonts::fallbackFamily())
                << fonts.front().familyName().toStdString();
        }
        // A card mixes both: the rank from the family, the suit from wherever it is.
        for (const QRawFont& used : fontsUsed(font, QString::fromUtf8("A♠")))
            EXPECT_TRUE(used.isValid());
    }
}
