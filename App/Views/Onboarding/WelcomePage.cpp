#include "Views/Onboarding/WelcomePage.h"

#include "BotKit/BotCast.h"
#include "PokerEngine/Card.h"
#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/ArtStage.h"
#include "Style/Drawing/AvatarDisc.h"
#include "Style/Drawing/LitChip.h"
#include "Style/Drawing/SatinPanel.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Views/Table/CardFaces.h"
#include "Views/Table/CardView.h"

#include <QDataStream>
#include <QFontMetricsF>
#include <QIODevice>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double titleTop = 212;
constexpr double pillSpacing = 8;
const QPointF viewCentre(300, 320);

const QString title = QStringLiteral("Poker for your\ncoffee break");
const QString subtitle = QStringLiteral("No-Limit Hold'em against bots,\nright from your system tray.");

const RiseIn titleRise{0.12};
const RiseIn subtitleRise{0.26};
const RiseIn pillsRise{0.4};

WelcomePage::Piece card(const char* code, double width, double angle, QPointF centre, QSizeF from,
                        double delay, double period, double phase, double tilt, QPointF shadow,
                        double shadowWidth) {
    return {WelcomePage::TiltedCard{code, width, angle},
            FloatingArt{centre, from, delay, period, phase, tilt, FloatingArt::Shadow{shadow, shadowWidth}}};
}

WelcomePage::Piece character(const char* slug, double diameter, QPointF centre, QSizeF from, double delay,
                             double period, double phase, double shadowY) {
    return {WelcomePage::Character{slug, diameter},
            FloatingArt{centre, from, delay, period, phase, 0,
                        FloatingArt::Shadow{{centre.x() + 1, shadowY}, 0.95 * diameter}}};
}

WelcomePage::Piece chip(ChipDenomination denomination, double radius, double squash, double angle,
                        QPointF centre, double delay, double period, double phase) {
    return {WelcomePage::Chip{denomination, radius, squash, angle},
            FloatingArt{
                centre,
                {0, 32},
                delay,
                period,
                phase,
                6,
                FloatingArt::Shadow{{centre.x() + 0.2 * radius, centre.y() + 1.6 * radius}, 2.2 * radius}}};
}

QSizeF cardSize(const WelcomePage::TiltedCard& tilted) {
    return {tilted.width, 1.4 * tilted.width};
}

// How each kind of piece is turned and squeezed about its centre, before its bob's sway.
QTransform pose(const WelcomePage::TiltedCard& tilted) {
    return QTransform().rotate(tilted.angle).scale(1, 0.94);
}

QTransform pose(const WelcomePage::Character&) {
    return {};
}

QTransform pose(const WelcomePage::Chip& chip) {
    return QTransform().rotate(chip.angle);
}

// What each piece draws about its centre, before its pose, with its own shadow.
QRectF extent(const TableTheme& theme, const WelcomePage::TiltedCard& tilted) {
    const QSizeF size = cardSize(tilted);
    return QRectF(QPointF(-size.width() / 2, -size.height() / 2), size) +
           CardFaces::shadowMargins(theme, size, false);
}

QRectF extent(const TableTheme& theme, const WelcomePage::Character& character) {
    const double d = character.diameter;
    return QRectF(-d / 2, -d / 2, d, d) + AvatarDisc::overhang(theme, d);
}

QRectF extent(const TableTheme&, const WelcomePage::Chip& chip) {
    const QSizeF frame = LitChip::frame(chip.radius, chip.squash);
    return {QPointF(-frame.width() / 2, -frame.height() / 2), frame};
}

void paintContent(QPainter& painter, const TableTheme& theme, const WelcomePage::TiltedCard& tilted,
                  ArtCache::Turns turns) {
    const QSizeF size = cardSize(tilted);
    // The card turns with its bob on every frame; its upright image is kept and turned, not drawn anew.
    QByteArray key;
    QDataStream stream(&key, QIODevice::WriteOnly);
    stream << "welcome card" << QString::fromStdString(tilted.code) << static_cast<qint8>(theme.style)
           << theme.dark << theme.increaseContrast << theme.fourColorDeck;
    const auto card = PokerEngine::Card::fromCode(tilted.code);
    ArtCache::drawMoving(
        painter, key, QRectF(QPointF(-size.width() / 2, -size.height() / 2), size),
        CardFaces::shadowMargins(theme, size, false),
        [&](QPainter& art, QPointF at) { CardView::paint(art, at, theme, card, size, false); }, turns);
}

void paintContent(QPainter& painter, const TableTheme& theme, const WelcomePage::Character& character,
                  ArtCache::Turns) {
    if (const auto model = WelcomePage::avatar(character.slug)) {
        const double d = character.diameter;
        AvatarDisc::paint(painter, QPointF(-d / 2, -d / 2), theme, *model, d, false, false);
    }
}

void paintContent(QPainter& painter, const TableTheme&, const WelcomePage::Chip& chip,
                  ArtCache::Turns turns) {
    const QSizeF frame = LitChip::frame(chip.radius, chip.squash);
    LitChip::paintMoving(painter, QPointF(-frame.width() / 2, -frame.height() / 2), chip.denomination,
                         chip.radius, chip.squash, turns);
}

// How far the piece's drawing reaches from its centre, whichever way it sways.
double reach(const TableTheme& theme, const WelcomePage::Piece& piece) {
    return std::visit(
        [&](const auto& content) {
            const QPolygonF drawn = pose(content).map(QPolygonF(extent(theme, content)));
            double farthest = 0;
            for (const QPointF& corner : drawn)
                farthest = std::max(farthest, std::hypot(corner.x(), corner.y()));
            return farthest;
        },
        piece.content);
}

// Where the piece's content stands on the page at a placement: its bob lifts and sways it, its pose turns it.
QTransform contentPlace(const WelcomePage::Piece& piece, const FloatingArt::Placement& at) {
    const QPointF centre = piece.art.center - QPointF(0, at.lift) + at.slide;
    const QTransform sway = QTransform::fromTranslate(centre.x(), centre.y()).rotate(at.rotation);
    return std::visit([&](const auto& content) { return pose(content) * sway; }, piece.content);
}

// Room for the anti-aliased edge of a piece drawn at a sub-pixel position.
constexpr double edgeRoom = 2;

// The entrance scales the whole layer, which fills the page, about the page's centre.
QTransform entranceScale(double scale) {
    return QTransform::fromTranslate(viewCentre.x(), viewCentre.y())
        .scale(scale, scale)
        .translate(-viewCentre.x(), -viewCentre.y());
}

bool settled(double sinceShown, bool reduceMotion) {
    return pillsRise.entered(sinceShown, reduceMotion) &&
           std::all_of(
               WelcomePage::pieces().begin(), WelcomePage::pieces().end(),
               [&](const WelcomePage::Piece& piece) { return piece.art.entered(sinceShown, reduceMotion); });
}

void paintPiece(QPainter& painter, const TableTheme& theme, const WelcomePage::Piece& piece,
                const FloatingArt::Placement& at, bool entered) {
    if (at.opacity <= 0)
        return;
    painter.save();
    painter.setOpacity(at.opacity);
    painter.setTransform(entranceScale(at.scale), true);
    // The bob's steps are few, so each width and strength of the shadow is drawn once and kept.
    if (const auto& shadow = piece.art.shadow)
        FloorShadow::paint(painter, shadow->center + at.slide, theme, shadow->width * at.shadowScale,
                           at.shadowStrength);
    painter.setTransform(contentPlace(piece, at), true);
    // Come in, a piece sways on the few steps of its bob, over and over.
    const ArtCache::Turns turns = entered ? ArtCache::Turns::repeating : ArtCache::Turns::passing;
    std::visit([&](const auto& content) { paintContent(painter, theme, content, turns); }, piece.content);
    painter.restore();
}

QFont titleFont() {
    return ThemeFonts::system(46, FontWeight::bold);
}

QFont subtitleFont() {
    return ThemeFonts::system(15, FontWeight::regular);
}

double linesHeight(const QFont& font, int lines) {
    return QFontMetricsF(font).lineSpacing() * lines;
}

// The title, the subtitle and the pills, with room below for their rise and the pills' shadows.
QRectF titleBlock() {
    const double height = linesHeight(titleFont(), 2) + 14 + linesHeight(subtitleFont(), 2) + 22 +
                          FactPill::height + SatinPanel::shadowMargins().bottom() + 16;
    return {0, titleTop - SatinPanel::shadowMargins().top(), double(OnboardingPage::pageSize.width()),
            height + SatinPanel::shadowMargins().top()};
}

void paintCentred(QPainter& painter, const QString& text, const QFont& font, const QColor& colour, double top,
                  double dy, int lines) {
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QRectF(0, top + dy, OnboardingPage::pageSize.width(), linesHeight(font, lines)),
                     Qt::AlignHCenter | Qt::AlignTop, text);
}

// The title, the subtitle and the pills, each risen in as far as it has `sinceShown` after the page appeared.
void paintTitleBlock(QPainter& painter, const TableTheme& theme, double sinceShown) {
    const bool reduced = theme.reduceMotion;
    double top = titleTop;
    const auto rise = [&](const RiseIn& r) {
        const RiseIn::Placement at = r.at(sinceShown, reduced);
        painter.setOpacity(at.opacity);
        return at.dy;
    };
    paintCentred(painter, title, titleFont(), OnboardingInk::primary(theme), top, rise(titleRise), 2);
    top += linesHeight(titleFont(), 2) + 14;
    paintCentred(painter, subtitle, subtitleFont(), OnboardingInk::secondary(theme), top, rise(subtitleRise),
                 2);
    top += linesHeight(subtitleFont(), 2) + 22;

    const double dy = rise(pillsRise);
    double rowWidth = pillSpacing * (WelcomePage::pills().size() - 1);
    for (const FactPill& pill : WelcomePage::pills())
        rowWidth += pill.width();
    double x = (OnboardingPage::pageSize.width() - rowWidth) / 2;
    for (const FactPill& pill : WelcomePage::pills()) {
        pill.paint(painter, QPointF(x, top + dy), theme);
        x += pill.width() + pillSpacing;
    }
    painter.setOpacity(1);
}

} // namespace

const std::vector<WelcomePage::Piece>& WelcomePage::pieces() {
    using D = ChipDenomination;
    static const std::vector<Piece> all{
        card("As", 84, -16, {102, 111}, {-30, -24}, 0.3, 6.0, 0.1, -2, {105, 213}, 90),
        card("Kh", 72, 13, {488, 120}, {30, -24}, 0.4, 6.6, 0.38, 2, {488, 207}, 80),
        character("duchess", 40, {298, 94}, {0, -24}, 0.55, 5.0, 0.24, 136),
        character("biscuit", 56, {74, 264}, {-34, 0}, 0.5, 5.6, 0.54, 318),
        character("finn", 70, {523, 231}, {34, 0}, 0.6, 6.2, 0.32, 297),
        chip(D::d1000, 22, 0.5, -18, {126, 474}, 0.7, 6.8, 0.59),
        chip(D::d5000, 16, 0.38, -24, {274, 520}, 0.9, 5.2, 0.38),
        chip(D::d25, 20, 0.62, 26, {448, 464}, 0.8, 6.2, 0.16),
        chip(D::d500, 12, 0.3, -32, {550, 334}, 1.0, 5.8, 0.55),
        chip(D::d100, 13, 0.55, 20, {61, 347}, 0.95, 6.6, 0.09),
        chip(D::d1000, 10, 0.45, 34, {390, 160}, 1.05, 5.4, 0.52),
    };
    return all;
}

std::optional<AvatarModel> WelcomePage::avatar(const std::string& slug) {
    const auto character = BotKit::BotCast::character(slug);
    if (!character)
        return std::nullopt;
    AvatarModel model;
    model.initial = character->name.substr(0, 1);
    model.backdrop = CharacterBackdrop::color(slug, RGB{142.0 / 255, 142.0 / 255, 147.0 / 255, 1});
    model.isHero = false;
    if (!slug.empty())
        model.slug = slug;
    return model;
}

const std::array<FactPill, 3>& WelcomePage::pills() {
    static const std::array<FactPill, 3> all{{
        {QString(), QStringLiteral("1 min"), QStringLiteral(" a hand")},
        {QStringLiteral("Lives in your "), QStringLiteral("system tray"), QString()},
        {QString(), QStringLiteral("Pauses"), QStringLiteral(" when you leave")},
    }};
    return all;
}

QString WelcomePage::spokenText() {
    QStringList pillTexts;
    for (const FactPill& pill : pills())
        pillTexts << pill.lead + pill.bold + pill.rest;
    return QString(title).replace('\n', ' ') + QStringLiteral(". ") + QString(subtitle).replace('\n', ' ') +
           QStringLiteral(" ") + pillTexts.join(QStringLiteral(", ")) + QStringLiteral(".");
}

FloatingArt::Placement WelcomePage::drawnAt(const Piece& piece, const TableTheme& theme, Moment moment) {
    const bool reduced = theme.reduceMotion;
    return piece.art.atBob(moment.sinceShown, piece.art.drawnBob(moment.time, reduced, reach(theme, piece)),
                           reduced);
}

QRectF WelcomePage::bounds(const Piece& piece, const TableTheme& theme, const FloatingArt::Placement& at) {
    const QRectF drawn =
        std::visit([&](const auto& content) { return extent(theme, content); }, piece.content);
    QRectF covered =
        contentPlace(piece, at).mapRect(drawn).adjusted(-edgeRoom, -edgeRoom, edgeRoom, edgeRoom);
    if (const auto& shadow = piece.art.shadow) {
        const QSizeF size = QSizeF(shadow->width, 0.2 * shadow->width) * at.shadowScale;
        const QRectF floor(shadow->center + at.slide - QPointF(size.width() / 2, size.height() / 2), size);
        covered |= floor.adjusted(-edgeRoom, -edgeRoom, edgeRoom, edgeRoom);
    }
    return entranceScale(at.scale).mapRect(covered);
}

QRegion WelcomePage::changedArea(const TableTheme& theme, Moment before, Moment now) {
    if (!settled(before.sinceShown, theme.reduceMotion) || !settled(now.sinceShown, theme.reduceMotion))
        return QRegion(QRect(QPoint(), pageSize));
    QRegion area;
    for (const Piece& piece : pieces()) {
        const FloatingArt::Placement was = drawnAt(piece, theme, before);
        const FloatingArt::Placement is = drawnAt(piece, theme, now);
        if (was != is)
            area +=
                bounds(piece, theme, was).toAlignedRect().united(bounds(piece, theme, is).toAlignedRect());
    }
    return area;
}

WelcomePage::WelcomePage(const TableTheme& theme, QWidget* parent)
    : OnboardingPage(theme, parent) {
    setAccessibleName(spokenText());
}

bool WelcomePage::moving(double sinceShown) const {
    // The pieces bob for as long as the page is shown; with motion reduced only the fades move.
    if (!reduceMotion())
        return true;
    return !pillsRise.entered(sinceShown, true);
}

double WelcomePage::frameInterval(double sinceShown) const {
    return settled(sinceShown, reduceMotion()) ? floatingFrameInterval : 0;
}

QRegion WelcomePage::changed(Moment before, Moment now) const {
    return changedArea(theme(), before, now);
}

void WelcomePage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Rectangle by rectangle, as the backdrop under it: a clip of many rectangles turns each copy of a
    // kept image into a blend spread over Qt's thread pool.
    for (const QRect& area : event->region()) {
        painter.setClipRect(area);
        paintPage(painter, theme(), frame().sinceShown, frame().time, area);
    }
}

void WelcomePage::hideEvent(QHideEvent* event) {
    OnboardingPage::hideEvent(event);
    // The pieces' turned pictures are kept only while they sway in sight.
    ArtCache::forgetTurns();
}

void WelcomePage::paintPage(QPainter& painter, const TableTheme& theme, double sinceShown, double time,
                            const QRegion& area) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const Piece& piece : pieces()) {
        const FloatingArt::Placement at = drawnAt(piece, theme, {sinceShown, time});
        if (area.intersects(bounds(piece, theme, at).toAlignedRect()))
            paintPiece(painter, theme, piece, at, piece.art.entered(sinceShown, theme.reduceMotion));
    }
    const QRectF block = titleBlock();
    if (!area.intersects(block.toAlignedRect()))
        return;
    if (!settled(sinceShown, theme.reduceMotion)) {
        paintTitleBlock(painter, theme, sinceShown);
        return;
    }
    // Still once it has risen in: kept as one image, so the pieces floating over its edges cost one copy.
    QByteArray key;
    QDataStream stream(&key, QIODevice::WriteOnly);
    stream << "welcome title" << static_cast<qint8>(theme.style) << theme.dark << theme.increaseContrast;
    ArtCache::draw(painter, key, block, {}, [&](QPainter& art, QPointF at) {
        art.translate(at - block.topLeft());
        paintTitleBlock(art, theme, sinceShown);
    });
}
