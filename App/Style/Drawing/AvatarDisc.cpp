#include "Style/Drawing/AvatarDisc.h"

#include <QPainter>
#include <QRadialGradient>

#include <map>

#include "Style/Drawing/Colors.h"
#include "Style/Drawing/PaperFont.h"
#include "Style/Drawing/PixelKit.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/SymbolIcons.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Style/PixelGeometry.h"

namespace {

// A grey of the same brightness, for busted seats.
QImage desaturated(const QImage& source) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(line[x]);
            const int alpha = qAlpha(line[x]);
            line[x] = qRgba(std::min(grey, alpha), std::min(grey, alpha), std::min(grey, alpha), alpha);
        }
    }
    return image;
}

void drawPortrait(QPainter& painter, const QRectF& disc, const QImage& art) {
    QPainterPath circle;
    circle.addEllipse(disc);
    painter.save();
    painter.setClipPath(circle);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(disc, art);
    painter.restore();
}

RGB greyed(const RGB& colour) {
    const double luma = colour.luma();
    return RGB{luma, luma, luma, colour.alpha};
}

// Paints into an image first when the disc must be greyed, so every layer turns grey together.
template <typename Draw> void drawMaybeGreyed(QPainter& painter, QRectF box, bool busted, Draw draw) {
    if (!busted) {
        draw(painter, box.topLeft());
        return;
    }
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QRectF padded = box.adjusted(-4, -4, 6, 8);
    QImage layer((padded.size() * ratio).toSize().expandedTo(QSize(1, 1)),
                 QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    {
        QPainter inner(&layer);
        draw(inner, box.topLeft() - padded.topLeft());
    }
    painter.drawImage(padded.topLeft(), desaturated(layer));
}

void paintSatin(QPainter& painter, QPointF topLeft, const AvatarModel& avatar, double d, const QImage* art) {
    const QRectF disc(topLeft, QSizeF(d, d));
    QPainterPath circle;
    circle.addEllipse(disc);
    SoftShadow::paint(painter, circle, 2, QColor::fromRgbF(0, 0, 0, 0.3f), QPointF(1, 3));
    QRadialGradient gradient(disc.left() + 0.5 * d, disc.top() + 0.25 * d, 0.75 * d);
    gradient.setColorAt(0, toQColor(avatar.backdrop.mixed(RGB::white, 0.18)));
    gradient.setColorAt(0.5, toQColor(avatar.backdrop));
    gradient.setColorAt(1, toQColor(avatar.backdrop.mixed(RGB::black, 0.18)));
    painter.fillPath(circle, gradient);
    if (avatar.isHero) {
        const double side = 0.46 * d;
        SymbolIcons::paint(painter, QStringLiteral("person.fill"),
                           QRectF(disc.center().x() - side / 2, disc.center().y() - side / 2, side, side),
                           toQColor(RGB::bytes(142, 138, 132)));
    } else if (art) {
        drawPortrait(painter, disc, *art);
    } else {
        painter.setFont(ThemeFonts::system(0.36 * d, FontWeight::semibold));
        painter.setPen(Qt::white);
        painter.drawText(disc, Qt::AlignCenter, QString::fromStdString(avatar.initial));
    }
}

void paintPaper(QPainter& painter, QPointF topLeft, const TableTheme& theme, const AvatarModel& avatar,
                double d, const QImage* art) {
    const QRectF disc(topLeft, QSizeF(d, d));
    const RGB fill =
        avatar.isHero ? (theme.dark ? RGB::bytes(15, 19, 28) : RGB::bytes(43, 43, 43)) : avatar.backdrop;
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(fill.mixed(RGB::black, 0.28)));
    painter.drawEllipse(disc.translated(0, 2));
    painter.setBrush(toQColor(fill));
    painter.drawEllipse(disc);
    if (avatar.isHero) {
        const double side = 0.44 * d;
        SymbolIcons::paint(painter, QStringLiteral("person.fill"),
                           QRectF(disc.center().x() - side / 2, disc.center().y() - side / 2, side, side),
                           toQColor(theme.dark ? RGB::bytes(243, 233, 214) : RGB::bytes(251, 246, 234)));
    } else if (art) {
        drawPortrait(painter, disc, *art);
    } else {
        painter.setFont(PaperFont::font(0.44 * d, 800));
        painter.setPen(toQColor(RGB::bytes(251, 246, 234)));
        painter.drawText(disc, Qt::AlignCenter, QString::fromStdString(avatar.initial));
    }
}

const PixelGlyph& heroBitmap() {
    static const PixelGlyph rows{"..###..", ".#####.", ".#####.", "..###..", ".......", ".#####.", "#######"};
    return rows;
}

void paintPixel(QPainter& painter, QPointF topLeft, const TableTheme& theme, const AvatarModel& avatar,
                double d, bool folded, bool busted, const QImage* art) {
    const double unit = theme.pixelUnit;
    if (art) {
        painter.save();
        painter.setOpacity(folded || busted ? 0.5 : 1);
        painter.drawImage(QRectF(topLeft, QSizeF(d, d)), busted ? desaturated(*art) : *art);
        painter.restore();
        return;
    }
    const int n = wholeCells(d, unit);
    if (n == 0)
        return;
    const PixelKit kit(painter, unit, topLeft);
    const PixelPalette palette{theme.dark, theme.increaseContrast};
    const PixelGeometry::Disc cells = PixelGeometry::disc(n);
    kit.fill(cells.face, avatar.backdrop);
    kit.fill(cells.rim, palette.outline());
    if (avatar.isHero) {
        kit.glyph(heroBitmap(), n / 2 - 3, n / 2 - 3, RGB::bytes(110, 106, 116));
    } else {
        const int scale = n > 15 ? 2 : 1;
        const QString initial = QString::fromStdString(avatar.initial);
        const int w =
            PixelFont::width(PixelFontFace::label, PixelFont::displayed(PixelFontFace::label, initial)) *
            scale;
        const RGB ink = avatar.backdrop.luma() > 0.62 ? palette.darkInk() : PixelPalette::cream();
        kit.label(initial, (n - w + 1) / 2, (n - 5 * scale + 1) / 2, ink, scale);
    }
    if (folded || busted) {
        const RGB dither = busted ? RGB::bytes(142, 138, 146)
                                  : (theme.dark ? RGB::bytes(244, 228, 193) : PixelPalette::cream());
        kit.fill(cells.checkers, dither);
    }
}

} // namespace

AvatarDisc::AvatarDisc(const TableTheme& theme, const AvatarModel& avatar, double diameter, bool folded,
                       bool busted, QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , avatar_(avatar)
    , diameter_(diameter)
    , folded_(folded)
    , busted_(busted) {
    StyleAccessibility::setHidden(this);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void AvatarDisc::setTheme(const TableTheme& theme) {
    theme_ = theme;
    update();
}

void AvatarDisc::setState(bool folded, bool busted) {
    folded_ = folded;
    busted_ = busted;
    update();
}

const QImage* AvatarDisc::portrait(TableStyleID style, const std::string& slug) {
    static std::map<QString, std::optional<QImage>> cache;
    const QString name = QStringLiteral("avatar.%1.%2")
                             .arg(QString::fromUtf8(toString(style).data()), QString::fromStdString(slug));
    auto found = cache.find(name);
    if (found == cache.end()) {
        QImage image(QStringLiteral(":/avatars/%1.png").arg(name));
        found = cache.emplace(name, image.isNull() ? std::nullopt : std::optional<QImage>(image)).first;
    }
    return found->second ? &*found->second : nullptr;
}

void AvatarDisc::paint(QPainter& painter, QPointF topLeft, const TableTheme& theme, const AvatarModel& avatar,
                       double diameter, bool folded, bool busted) {
    const QImage* art = avatar.slug ? portrait(theme.style, *avatar.slug) : nullptr;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, theme.style != TableStyleID::pixel);
    const QRectF box(topLeft, QSizeF(diameter, diameter));
    switch (theme.style) {
    case TableStyleID::satin:
        drawMaybeGreyed(painter, box, busted,
                        [&](QPainter& p, QPointF at) { paintSatin(p, at, avatar, diameter, art); });
        break;
    case TableStyleID::paper:
        drawMaybeGreyed(painter, box, busted,
                        [&](QPainter& p, QPointF at) { paintPaper(p, at, theme, avatar, diameter, art); });
        break;
    case TableStyleID::pixel: {
        AvatarModel shown = avatar;
        if (busted)
            shown.backdrop = greyed(avatar.backdrop);
        paintPixel(painter, topLeft, theme, shown, diameter, folded, busted, art);
        break;
    }
    }
    painter.restore();
}

QSize AvatarDisc::sizeHint() const {
    const int side = static_cast<int>(std::ceil(diameter_));
    return {side, side};
}

void AvatarDisc::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, QPointF(0, 0), theme_, avatar_, diameter_, folded_, busted_);
}
