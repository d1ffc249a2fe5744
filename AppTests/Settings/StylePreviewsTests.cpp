#include "AppState.h"
#include "Game/ControllerHarness.h"
#include "Support/TestPaths.h"
#include "Support/WidgetEvents.h"
#include "Views/Settings/SettingsView.h"
#include "Views/Settings/StylePreviews.h"
#include "Views/Table/CardView.h"
#include "Views/WindowFit.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <gtest/gtest.h>

using namespace StylePreviews;

namespace {

QString galleryFolder() {
    const QString folder = TestPaths::buildFolder() + QStringLiteral("/gallery/settings");
    QDir().mkpath(folder);
    return folder;
}

} // namespace

TEST(StylePreviews, ThumbnailSizesFollowTheirUse) {
    struct Row {
        TableStyleID style;
        bool compact;
        std::optional<QSizeF> size;
        QSizeF card;
        QRectF felt;
    };
    const Row rows[] = {
        {TableStyleID::satin, false, std::nullopt, {20, 28}, {6, 8, 116, 64}},
        {TableStyleID::satin, true, std::nullopt, {20, 28}, {6, 8, 100, 54}},
        {TableStyleID::satin, false, QSizeF(164, 100), {26, 36}, {6, 8, 152, 84}},
        {TableStyleID::paper, false, std::nullopt, {20, 28}, {12, 8, 104, 52}},
        {TableStyleID::paper, false, QSizeF(164, 100), {26, 36}, {12, 8, 140, 72}},
        {TableStyleID::pixel, true, std::nullopt, {20, 28}, {6, 8, 100, 54}},
    };
    for (const auto& row : rows) {
        const auto layout = thumbnailLayout(row.style, row.compact, row.size);
        EXPECT_EQ(layout.card, row.card);
        EXPECT_EQ(layout.felt, row.felt) << toString(row.style).data();
    }
    EXPECT_EQ(thumbnailLayout(TableStyleID::satin, false, QSizeF(150, 90)).card, QSizeF(26, 36));
    EXPECT_EQ(thumbnailLayout(TableStyleID::satin, false, QSizeF(149, 90)).card, QSizeF(20, 28));
    EXPECT_DOUBLE_EQ(thumbnailLayout(TableStyleID::pixel, false, std::nullopt).cardSpacing, 2);
}

TEST(StylePreviews, PreviewsUseNormalContrastAndTheOfferedStyle) {
    const auto theme = previewTheme(TableStyleID::paper, true, true);
    EXPECT_EQ(theme.style, TableStyleID::paper);
    EXPECT_TRUE(theme.dark);
    EXPECT_FALSE(theme.increaseContrast);
    EXPECT_TRUE(theme.fourColorDeck);
    EXPECT_EQ(theme.surface, TableSurface::popover);
    EXPECT_EQ(deckStyle(TableStyleID::paper), TableStyleID::satin);
    EXPECT_EQ(deckStyle(TableStyleID::satin), TableStyleID::satin);
}

TEST(StylePicker, ListsSatinAloneAndWritesWhatIsClicked) {
    EXPECT_EQ(pickerStyles(), std::vector<TableStyleID>{TableStyleID::satin});
    StylePicker picker(TableStyleID::paper, false, false);
    std::vector<TableStyleID> written;
    QObject::connect(&picker, &StylePicker::chosen, [&](TableStyleID style) { written.push_back(style); });
    picker.resize(300, 120);
    picker.show();
    auto items = picker.findChildren<QWidget*>();
    QWidget* item = nullptr;
    for (auto* child : items)
        if (child->accessibleName() == "Satin")
            item = child;
    ASSERT_TRUE(item);
    EXPECT_EQ(item->accessibleDescription(), "Lit satin felt, crisp cards, system glass controls");
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(item, &release);
    // Clicking again writes the same value again.
    item = nullptr;
    for (auto* child : picker.findChildren<QWidget*>())
        if (child->accessibleName() == "Satin")
            item = child;
    QApplication::sendEvent(item, &release);
    EXPECT_EQ(written, (std::vector<TableStyleID>{TableStyleID::satin, TableStyleID::satin}));
    EXPECT_EQ(picker.selection(), TableStyleID::satin);
}

TEST(DeckPreview, FollowsTheFourColourSwitchInTheOfferedStyle) {
    DeckPreview preview;
    preview.setLook(TableStyleID::paper, false, true);
    EXPECT_EQ(preview.theme().style, TableStyleID::satin);
    EXPECT_TRUE(preview.theme().fourColorDeck);
    const auto cards = preview.findChildren<CardView*>();
    ASSERT_EQ(cards.size(), 4);
    for (auto* card : cards)
        EXPECT_TRUE(card->theme().fourColorDeck);
}

TEST(StylePreviews, Gallery) {
    for (bool dark : {false, true}) {
        QImage image(3 * 176 + 16, 2 * 112 + 16, QImage::Format_ARGB32_Premultiplied);
        image.fill(dark ? QColor(40, 40, 44) : QColor(236, 236, 238));
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        int column = 0;
        for (auto style : allTableStyleIDs) {
            for (bool four : {false, true}) {
                const auto layout = thumbnailLayout(style, false, QSizeF(164, 100));
                paintThumbnail(painter, QRectF(8 + column * 176, 8 + (four ? 112 : 0), 164, 100),
                               previewTheme(style, dark, four), layout);
            }
            ++column;
        }
        painter.end();
        EXPECT_TRUE(
            image.save(galleryFolder() + QStringLiteral("/thumbnails-%1.png").arg(dark ? "dark" : "light")));
    }
    for (bool four : {false, true}) {
        DeckPreview preview;
        preview.setLook(TableStyleID::satin, false, four);
        preview.resize(220, 70);
        EXPECT_TRUE(preview.grab().save(galleryFolder() +
                                        QStringLiteral("/deck-preview-%1.png").arg(four ? "four" : "two")));
    }
}

TEST(SettingsView, Gallery) {
    for (const bool dark : {false, true}) {
        WidgetEvents::DesktopAppearance appearance(dark);
        AppState state{std::nullopt};
        ControllerHarness harness;
        harness.controller.setSession(&state);
        state.setHotkey(HotkeySetting{true, KeyShortcut{}});
        state.setFourColorDeck(true);
        SettingsView view(AppEnvironment{&state, &harness.controller, nullptr, nullptr, nullptr, nullptr});
        view.show();
        const QString suffix = dark ? QStringLiteral("-dark") : QString();
        // The whole form, then the window as it opens on a 1366 x 768 screen under a 28-pixel panel.
        view.resize(view.sizeHint());
        QApplication::processEvents();
        const QImage whole = view.grab().toImage();
        EXPECT_TRUE(whole.save(galleryFolder() + QStringLiteral("/settings-window%1.png").arg(suffix)));
        // Every grey line starts at the top of its box, under what it explains, even one that only
        // just fits on one line.
        for (QLabel* line : view.findChildren<QLabel*>()) {
            if (!line->property("chipwhistleExplanation").toBool() || !line->isVisible())
                continue;
            const QRect box(line->mapTo(&view, QPoint()), line->size());
            const QColor ground = whole.pixelColor(box.topLeft());
            int top = box.height();
            for (int y = box.bottom(); y >= box.top(); --y)
                for (int x = box.left(); x <= box.right(); ++x)
                    if (std::abs(whole.pixelColor(x, y).lightness() - ground.lightness()) > 40)
                        top = y - box.top();
            EXPECT_LE(top, 4) << line->text().toStdString();
        }
        view.resize(WindowFit::size(view.sizeHint(), view.minimumSize(), {1366, 768 - 28}));
        QApplication::processEvents();
        EXPECT_TRUE(view.grab().save(galleryFolder() +
                                     QStringLiteral("/settings-window-1366x768%1.png").arg(suffix)));
    }
}
