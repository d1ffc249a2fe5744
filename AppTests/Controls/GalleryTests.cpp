#include "BotKit/BotCast.h"
#include "Style/Drawing/AvatarDisc.h"
#include "Style/Drawing/ChipFace.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/DealerButtonView.h"
#include "Style/Drawing/PixelKit.h"
#include "Style/Drawing/SatinPanel.h"
#include "Style/Drawing/TagView.h"
#include "Style/Drawing/TextPainter.h"
#include "Support/TestPaths.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Controls/StyledIconButton.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

#include <memory>

#include <gtest/gtest.h>

// Renders every button kind and size, the cast's avatars, chip faces, tags and panels in the three
// styles, light and dark, to PNG files under the build folder, for a person to look at: the art as the
// screens paint it directly, and again as widgets (outlined, to show the room each keeps for its
// shadow), and the first frame of freshly shown buttons beside the same buttons settled.

namespace {

QString galleryFolder() {
    const QString folder = TestPaths::buildFolder() + QStringLiteral("/gallery");
    QDir().mkpath(folder);
    return folder;
}

std::vector<std::pair<QString, ControlKind>> allKinds() {
    return {{"Fold", ControlKind::fold()},
            {"Call 40", ControlKind::call()},
            {"Raise to 120", ControlKind::confirm()},
            {"Lobby", ControlKind::secondary()},
            {"Leave table", ControlKind::danger()},
            {QString::fromUtf8("½ Pot"), ControlKind::preset(false)},
            {"Pot", ControlKind::preset(true)}};
}

void drawWidget(QPainter& painter, QWidget& widget, QPoint at) {
    if (widget.size() != widget.sizeHint())
        widget.resize(widget.sizeHint());
    // Only the widget's own painting, not a window background behind it.
    widget.render(&painter, at, QRegion(), QWidget::DrawChildren);
}

// A widget drawn with a faint dotted outline of its own rectangle; returns the width it took.
int drawOutlined(QPainter& painter, QWidget& widget, QPoint at, const RGB& ink) {
    drawWidget(painter, widget, at);
    painter.save();
    QColor line = toQColor(ink);
    line.setAlphaF(0.35f);
    painter.setPen(QPen(line, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawRect(QRect(at, widget.size()).adjusted(0, 0, -1, -1));
    painter.restore();
    return widget.width();
}

// An opaque child for a panel: a diagonal wash from green to blue, with a caption.
class Swatch : public QWidget {
  public:
    Swatch(const TableTheme& theme, QString text, QWidget* parent)
        : QWidget(parent)
        , theme_(theme)
        , text_(std::move(text)) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QLinearGradient wash(0, 0, width(), height());
        wash.setColorAt(0, toQColor(theme_.color(PaletteToken::suitClubFour)));
        wash.setColorAt(1, toQColor(theme_.color(PaletteToken::suitDiamondFour)));
        painter.fillRect(rect(), wash);
        TextPainter::paint(painter, QRectF(rect()), theme_, text_, TextRole::caption, RGB::white);
    }

  private:
    TableTheme theme_;
    QString text_;
};

QImage renderSheet(const TableTheme& theme) {
    const int width = 980;
    QImage sheet(width, 1060, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(toQColor(theme.color(PaletteToken::stock)));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    int y = 12;
    const auto caption = [&](const QString& text) {
        TextPainter::paint(painter, QRectF(12, y, width - 24, 20), theme, text, TextRole::caption,
                           theme.color(PaletteToken::ink2), Qt::AlignLeft | Qt::AlignVCenter);
        y += 24;
    };
    caption(QStringLiteral("%1  %2  unit %3")
                .arg(QString::fromUtf8(toString(theme.style).data()), theme.dark ? "dark" : "light",
                     QString::number(theme.pixelUnit)));
    for (ControlSize size : {ControlSize::main, ControlSize::small}) {
        for (int state = 0; state < 3; ++state) {
            int x = 12;
            int rowHeight = 0;
            for (const auto& [title, kind] : allKinds()) {
                StyledButton button(theme, title, kind, size,
                                    kind.kind() == ControlKind::Case::secondary && state == 0
                                        ? std::optional(ControlIcon::options)
                                        : std::nullopt);
                button.setEnabled(state != 2);
                button.resize(button.sizeHint());
                if (state == 1)
                    button.setDown(true);
                drawWidget(painter, button, QPoint(x, y));
                x += button.width() + 4;
                rowHeight = std::max(rowHeight, button.height());
            }
            y += rowHeight + 4;
        }
    }
    // A focused button of each size and a locked one.
    {
        int x = 12;
        StyledButton locked(theme, "Sit & Go", ControlKind::confirm(), ControlSize::main, ControlIcon::lock);
        drawWidget(painter, locked, QPoint(x, y));
        x += locked.width() + 8;
        // Focus needs a shown, active window.
        QWidget host;
        auto* focused = new StyledButton(theme, "Deal", ControlKind::secondary(), ControlSize::main,
                                         std::nullopt, {}, &host);
        auto* focusedIcon =
            new StyledIconButton(theme, "questionmark", {".###.", "#...#", "..##.", ".....", "..#.."},
                                 StyledIconButton::Tint::teal, "Help", {}, &host);
        focused->resize(focused->sizeHint());
        focusedIcon->resize(focusedIcon->sizeHint());
        focusedIcon->move(focused->width(), 0);
        host.resize(focused->width() + focusedIcon->width(), focused->height());
        host.show();
        QApplication::setActiveWindow(&host);
        for (QWidget* widget : std::initializer_list<QWidget*>{focused, focusedIcon}) {
            widget->setFocus();
            QApplication::processEvents();
            widget->render(&painter, QPoint(x, y), QRegion(), QWidget::DrawChildren);
            x += widget->width() + 8;
        }
        for (auto tint : {StyledIconButton::Tint::neutral, StyledIconButton::Tint::teal,
                          StyledIconButton::Tint::tomato}) {
            StyledIconButton icon(theme, "gearshape.fill", {"#.#.#", ".###.", "##.##", ".###.", "#.#.#"},
                                  tint, "Settings");
            drawWidget(painter, icon, QPoint(x, y));
            x += icon.sizeHint().width() + 4;
            StyledIconButton pressed(theme, "pause.fill", {"##.##", "##.##", "##.##", "##.##", "##.##"}, tint,
                                     "Pause");
            pressed.resize(pressed.sizeHint());
            pressed.setDown(true);
            drawWidget(painter, pressed, QPoint(x, y));
            x += pressed.sizeHint().width() + 8;
        }
        y += std::max(locked.height(), focused->height()) + 8;
    }
    // The cast, the player, a folded and a busted seat.
    {
        int x = 12;
        const double diameter = theme.style == TableStyleID::pixel ? 18 * theme.pixelUnit : 44;
        AvatarDisc::paint(painter, QPointF(x, y), theme, AvatarModel::hero(), diameter, false, false);
        x += static_cast<int>(diameter) + 10;
        int index = 0;
        for (const auto& character : BotKit::BotCast::all()) {
            const AvatarModel avatar{character.name.substr(0, 1), CharacterBackdrop::color(character.slug),
                                     false, character.slug};
            AvatarDisc::paint(painter, QPointF(x, y), theme, avatar, diameter, index == 10, index == 11);
            x += static_cast<int>(diameter) + 10;
            ++index;
        }
        y += static_cast<int>(diameter) + 16;
    }
    // Chip faces, tags, the dealer disc.
    {
        int x = 12;
        for (auto denomination : ChipDenominations::largestFirst) {
            ChipFace::paint(painter, QPointF(x, y), denomination, 28);
            x += 36;
        }
        x += 8;
        for (auto kind :
             {TagView::Kind::blind, TagView::Kind::allIn, TagView::Kind::turn, TagView::Kind::paused}) {
            const QString text = kind == TagView::Kind::blind   ? "BB"
                                 : kind == TagView::Kind::allIn ? "All-in"
                                 : kind == TagView::Kind::turn  ? "To act"
                                                                : "Paused";
            TagView::paint(painter, QPointF(x, y + 6), theme, text, kind);
            x += static_cast<int>(TagView::measure(theme, text).width()) + 10;
        }
        DealerButtonView::paint(painter, QPointF(x, y + 4), theme);
        y += 50;
    }
    // The same art as widgets, each outlined: the room around the frame holds its edge and shadow.
    {
        caption(QStringLiteral("As widgets, outlined"));
        const RGB ink = theme.color(PaletteToken::ink2);
        const double diameter = theme.style == TableStyleID::pixel ? 18 * theme.pixelUnit : 44;
        const auto character = [](const char* slug, const char* initial) {
            return AvatarModel{initial, CharacterBackdrop::color(slug), false, slug};
        };
        int x = 12;
        int rowHeight = 0;
        std::vector<std::unique_ptr<QWidget>> row;
        row.push_back(std::make_unique<AvatarDisc>(theme, AvatarModel::hero(), diameter));
        row.push_back(std::make_unique<AvatarDisc>(theme, character("finn", "F"), diameter));
        row.push_back(std::make_unique<AvatarDisc>(theme, character("rascal", "R"), diameter, true, false));
        row.push_back(std::make_unique<AvatarDisc>(theme, character("big-lou", "B"), diameter, false, true));
        row.push_back(std::make_unique<ChipFace>(ChipDenomination::d5000, 28));
        row.push_back(std::make_unique<ChipFace>(ChipDenomination::d1, 44));
        row.push_back(std::make_unique<TagView>(theme, "BB", TagView::Kind::blind));
        row.push_back(std::make_unique<TagView>(theme, "All-in", TagView::Kind::allIn));
        row.push_back(std::make_unique<DealerButtonView>(theme));
        for (const auto& widget : row) {
            x += drawOutlined(painter, *widget, QPoint(x, y), ink) + 8;
            rowHeight = std::max(rowHeight, widget->height());
        }
        y += rowHeight + 12;
    }
    // Freshly shown buttons: the first frame, and the same buttons a second later. They match.
    {
        caption(QStringLiteral("First frame, then settled"));
        int x = 12;
        int rowHeight = 0;
        for (double seconds : {0.0, 1.0}) {
            QWidget host;
            auto* text = new StyledButton(theme, "Call 40", ControlKind::call(), ControlSize::main,
                                          std::nullopt, {}, &host);
            auto* icon =
                new StyledIconButton(theme, "pause.fill", {"##.##", "##.##", "##.##", "##.##", "##.##"},
                                     StyledIconButton::Tint::teal, "Pause", {}, &host);
            for (AnimationClock* clock : {&text->pressClock(), &icon->pressClock()})
                clock->setTimeSource([seconds] { return seconds; });
            text->resize(text->sizeHint());
            icon->resize(icon->sizeHint());
            icon->move(text->width(), 0);
            host.resize(text->width() + icon->width(), std::max(text->height(), icon->height()));
            host.show();
            host.render(&painter, QPoint(x, y), QRegion(), QWidget::DrawChildren);
            x += host.width() + 24;
            rowHeight = std::max(rowHeight, host.height());
        }
        y += rowHeight + 12;
    }
    // Panels: the satin card (selected and not) and the pixel panel.
    {
        SatinPanel::paint(painter, QRectF(12, y, 200, 80), theme, theme.dark, false, 14);
        SatinPanel::paint(painter, QRectF(230, y, 200, 80), theme, theme.dark, true, 12);
        PixelKit(painter, theme.pixelUnit, QPointF(450, y))
            .panel(0, 0, 120, 26, PixelPalette{theme.dark, theme.increaseContrast});
        TextPainter::paint(painter, QRectF(450, y, 120 * theme.pixelUnit, 26 * theme.pixelUnit), theme,
                           "Showdown", TextRole::title, theme.color(PaletteToken::panelText));
        y += 96;
    }
    // Panels holding an opaque child: one laid out to fill the card, one (selected) reaching past it
    // into the shadow's margin. The corners round the child off and the border lies over it.
    {
        // The widget follows the desktop's appearance; let the sheet's stand in for it.
        const QPalette desktop = QApplication::palette();
        QPalette appearance = desktop;
        appearance.setColor(QPalette::Window, theme.dark ? QColor(30, 30, 30) : QColor(236, 236, 236));
        QApplication::setPalette(appearance);
        int x = 12;
        for (bool selected : {false, true}) {
            // A panel always sits in a window; alone it would be a window itself.
            QWidget host;
            auto& panel = *new SatinPanel(theme, selected, selected ? 12 : 14, &host);
            panel.resize(QSize(200, 80).grownBy(SatinPanel::shadowMargins()));
            host.resize(panel.size());
            auto* child = new Swatch(theme, selected ? "Reaches past the card" : "Fills the card", &panel);
            if (selected) {
                child->setGeometry(panel.rect());
            } else {
                auto* layout = new QVBoxLayout(&panel);
                layout->setContentsMargins(0, 0, 0, 0);
                layout->addWidget(child);
                layout->activate();
            }
            host.render(&painter, QPoint(x, y), QRegion(), QWidget::DrawChildren);
            x += panel.width() + 10;
        }
        QApplication::setPalette(desktop);
    }
    return sheet;
}

} // namespace

TEST(Gallery, RendersEveryStyleLightAndDark) {
    const QString folder = galleryFolder();
    for (auto style : allTableStyleIDs)
        for (bool dark : {false, true})
            for (auto surface : allTableSurfaces) {
                const double unit = surface == TableSurface::window ? 3 : 2;
                const TableTheme theme =
                    TableTheme::drawnIn(style, surface, unit, AppearanceFlags{dark, false, false});
                const QImage sheet = renderSheet(theme);
                const QString name =
                    QStringLiteral("%1/%2-%3-%4.png")
                        .arg(folder, QString::fromUtf8(toString(style).data()), dark ? "dark" : "light",
                             surface == TableSurface::window ? "window" : "popover");
                ASSERT_TRUE(sheet.save(name)) << name.toStdString();
            }
}
