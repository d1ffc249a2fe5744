#include "Style/Drawing/AvatarDisc.h"

#include <QDataStream>
#include <QIODevice>
#include <QPainter>
#include <QRadialGradient>

#include <map>

#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/PaperFont.h"
#include "Style/Drawing/PixelKit.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/SymbolIcons.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Style/PixelGeometry.h"

namespace {

constexpr double satinShadowRadius = 2;
constexpr QPointF satinShadowOffset(1, 3);
constexpr double paperDrop = 2;

// Greys an image in place, each pixel to the grey of its brightness: a busted seat.
void desaturate(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(line[x]);
            const int alpha = qAlpha(line[x]);
            line[x] = qRgba(std::min(grey, alpha), std::min(grey, alpha), std::min(grey, alpha), alpha);
        }
    }
}

QImage desaturated(const QImage& source) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    desaturate(image);
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

// Everything a disc's look depends on, to find its drawn image again.
QByteArray keyFor(const TableTheme& theme, const AvatarModel& avatar, double diameter, bool folded,
                  bool busted) {
    QByteArray key;
    QDataStream stream(&key, QIODevice::WriteOnly);
    stream << static_cast<qint8>(theme.style) << theme.dark << theme.increaseContrast << theme.pixelUnit
           << diameter << folded << busted << avatar.backdrop.red << avatar.backdrop.green
           << avatar.backdrop.blue << avatar.backdrop.alpha << QString::fromStdString(avatar.initial)
           << avatar.isHero << QString::fromStdString(avatar.slug.value_or(std::string()));
    return key;
}

void paintSatin(QPainter& painter, QPointF topLeft, const AvatarModel& avatar, double d, const QImage* art) {
    const QRectF disc(topLeft, QSizeF(d, d));
    QPainterPath circle;
    circle.addEllipse(disc);
    SoftShadow::paint(painter, circle, satinShadowRadius, QColor::fromRgbF(0, 0, 0, 0.3f), satinShadowOffset);
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
    painter.drawEllipse(disc.translated(0, paperDrop));
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
    : FramedOrnament(parent)
    , theme_(theme)
    , avatar_(avatar)
    , diameter_(diameter)
    , folded_(folded)
    , busted_(busted) {
    StyleAccessibility::setHidden(this);
}

void AvatarDisc::setTheme(const TableTheme& theme) {
    theme_ = theme;
    updateGeometry();
    update();
}

void AvatarDisc::setState(bool folded, bool busted) {
    folded_ = folded;
    busted_ = busted;
    update();
}

namespace {
std::size_t loads = 0;

std::map<QString, std::optional<QImage>>& portraits() {
    static std::map<QString, std::optional<QImage>> kept;
    return kept;
}
} // namespace

std::size_t AvatarDisc::portraitLoads() {
    return loads;
}

void AvatarDisc::forgetPortraits() {
    portraits().clear();
}

const QImage* AvatarDisc::portrait(TableStyleID style, const std::string& slug) {
    auto& cache = portraits();
    const QString name = QStringLiteral("avatar.%1.%2")
                             .arg(QString::fromUtf8(toString(style).data()), QString::fromStdString(slug));
    auto found = cache.find(name);
    if (found == cache.end()) {
        QImage image(QStringLiteral(":/avatars/%1.png").arg(name));
        ++loads;
        found = cache.emplace(name, image.isNull() ? std::nullopt : std::optional<QImage>(image)).first;
    }
    return found->second ? &*found->second : nullptr;
}

QMarginsF AvatarDisc::overhang(const TableTheme& theme, double diameter) {
    const QRectF frame(0, 0, diameter, diameter);
    switch (theme.style) {
    case TableStyleID::satin:
        return ArtCache::beyond(frame, SoftShadow::bounds(frame, satinShadowRadius, satinShadowOffset));
    case TableStyleID::paper:
        // The hard drop shadow, with a pixel of anti-aliasing.
        return ArtCache::beyond(frame, frame.translated(0, paperDrop).adjusted(-1, -1, 1, 1));
    case TableStyleID::pixel:
        return {};
    }
    return {};
}

void AvatarDisc::paint(QPainter& painter, QPointF topLeft, const TableTheme& theme, const AvatarModel& avatar,
                       double diameter, bool folded, bool busted) {
    const QImage* art = avatar.slug ? portrait(theme.style, *avatar.slug) : nullptr;
    const auto draw = [&](QPainter& p, QPointF at) {
        p.setRenderHint(QPainter::Antialiasing, theme.style != TableStyleID::pixel);
        switch (theme.style) {
        case TableStyleID::satin:
            paintSatin(p, at, avatar, diameter, art);
            break;
        case TableStyleID::paper:
            paintPaper(p, at, theme, avatar, diameter, art);
            break;
        case TableStyleID::pixel: {
            AvatarModel shown = avatar;
            if (busted)
                shown.backdrop = greyed(avatar.backdrop);
            paintPixel(p, at, theme, shown, diameter, folded, busted, art);
            break;
        }
        }
    };
    // Satin and paper grey every layer of a busted disc together, once it is drawn whole.
    const bool greyWhole = busted && theme.style != TableStyleID::pixel;
    ArtCache::draw(painter, keyFor(theme, avatar, diameter, folded, busted),
                   QRectF(topLeft, QSizeF(diameter, diameter)), overhang(theme, diameter), draw,
                   greyWhole ? ArtCache::Finish(desaturate) : ArtCache::Finish());
}

void AvatarDisc::paintFrame(QPainter& painter, QPointF topLeft) const {
    paint(painter, topLeft, theme_, avatar_, diameter_, folded_, busted_);
}
