#include "Style/Drawing/ArtStage.h"
#include "Style/Drawing/Colors.h"
#include "Style/LabelColors.h"
#include "Views/Controls/BuyInSlider.h"
#include "Views/Controls/OpponentStepper.h"
#include "Views/Controls/SlidingPicker.h"
#include "Views/Controls/StakePicker.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QVBoxLayout>
#include <QWidget>

#include "Support/WidgetEvents.h"

#include <gtest/gtest.h>

using WidgetEvents::DesktopAppearance;

// Renders the new-game sheet's controls in light, dark and increased contrast, and the art stage with
// its floor shadows in each style, to PNG files under the build folder for a person to look at.

namespace {

QString folder() {
    return WidgetEvents::galleryFolder(QStringLiteral("home"));
}

void save(QWidget& widget, const QString& name) {
    ASSERT_TRUE(widget.grab().save(folder() + u'/' + name + QStringLiteral(".png")));
}

} // namespace

TEST(SheetControlGallery, StagesAndShadowsInEachStyle) {
    for (bool dark : {false, true}) {
        QImage sheet(930, 300, QImage::Format_ARGB32_Premultiplied);
        sheet.fill(toQColor(LabelColors::window(dark)));
        QPainter painter(&sheet);
        painter.setRenderHint(QPainter::Antialiasing);
        double x = 10;
        for (TableStyleID style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel}) {
            const TableTheme theme =
                TableTheme::drawnIn(style, TableSurface::popover, 2, AppearanceFlags{dark, false, false});
            ArtStage::paint(painter, QRectF(x, 10, 300, 130), theme, 0.86);
            FloorShadow::paint(painter, QPointF(x + 150, 10 + 0.9 * 130), theme, 150, 0.8);
            ArtStage::paint(painter, QRectF(x, 150, 140, 140), theme, 0.82);
            ArtStage::paint(painter, QRectF(x + 150, 150, 150, 140), theme, 0.3);
            x += 310;
        }
        painter.end();
        ASSERT_TRUE(sheet.save(
            folder() + (dark ? QStringLiteral("/stages-dark.png") : QStringLiteral("/stages-light.png"))));
    }
}

TEST(SheetControlGallery, ControlsInEachAppearance) {
    for (bool dark : {false, true}) {
        const DesktopAppearance desktop(dark);
        for (bool contrast : {false, true}) {
            const TableTheme theme = TableTheme::drawnIn(TableStyleID::satin, TableSurface::popover, 2,
                                                         AppearanceFlags{dark, contrast, false});
            QWidget page;
            QPalette palette = page.palette();
            palette.setColor(QPalette::Window, toQColor(LabelColors::window(dark)));
            page.setPalette(palette);
            page.setAutoFillBackground(true);
            auto* column = new QVBoxLayout(&page);
            std::vector<SlidingPicker::Option> options{
                {"Easy", 1, {}}, {"Medium", 2, {}}, {"Hard", 3, {}}, {"Mixed", 0, {}}};
            column->addWidget(new SlidingPicker(theme, "Difficulty", options, 1, &page));
            column->addWidget(new SlidingPicker(theme, "Hands",
                                                {{"1", 0, {}}, {"3", 0, {}}, {"5", 0, {}}, {"10", 0, {}}},
                                                std::nullopt, &page));
            auto* stepper = new OpponentStepper(theme, 3, 1, 5, {"opponent", "opponents"}, &page);
            column->addWidget(stepper, 0, Qt::AlignLeft);
            column->addWidget(new StakePicker(theme, CashStakes::medium, 3000, &page));
            column->addWidget(new StakePicker(theme, CashStakes::high, 10000, &page));
            auto* slider = new BuyInSlider(theme, 60, 75, 10, ChipDenomination::d5, &page);
            column->addWidget(slider);
            column->addWidget(new BuyInSlider(theme, 100, 100, 50, ChipDenomination::d25, &page));
            page.resize(420, 560);
            page.show();
            slider->setFocus();
            QString name = QStringLiteral("controls");
            name += dark ? QStringLiteral("-dark") : QStringLiteral("-light");
            if (contrast)
                name += QStringLiteral("-contrast");
            save(page, name);
        }
    }
}
