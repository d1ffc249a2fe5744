#include "Views/Learn/TermArt.h"

#include <QPainter>
#include <QPainterPath>

#include "Learn/TermScene.h"
#include "Style/AvatarModel.h"
#include "Style/Drawing/ArtStage.h"
#include "Style/Drawing/AvatarDisc.h"
#include "Style/Drawing/DealerButtonView.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/TagView.h"
#include "Views/Learn/LearnArt.h"

namespace {

void paintBlinds(QPainter& painter, const TableTheme& theme, QPointF centre) {
    // Two columns, bottoms aligned, 4 apart: "SB" over one 5 chip and "BB" over two 25 chips.
    const LearnArt::Column small{QStringLiteral("SB"), {{ChipDenomination::d5, 1}}, 9};
    const LearnArt::Column big{QStringLiteral("BB"), {{ChipDenomination::d25, 2}}, 11};
    LearnArt::paintTaggedColumns(painter, theme, {small, big}, centre + QPointF(0, 4), 4);
}

void paintAvatars(QPainter& painter, const TableTheme& theme, QPointF centre) {
    const auto avatar = [](const char* name, const char* slug) { return LearnArt::character(name, slug); };
    AvatarDisc::paint(painter, centre + QPointF(-14 - 12, 8 - 12), theme, avatar("Biscuit", "biscuit"), 24,
                      false, false);
    AvatarDisc::paint(painter, centre + QPointF(10 - 15, -6 - 15), theme, avatar("Finn", "finn"), 30, false,
                      false);
}

} // namespace

TermArt::TermArt(const TableTheme& theme, Term term, QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , term_(term) {
    StyleAccessibility::setHidden(this);
    setFixedSize(64, 64);
}

void TermArt::setTheme(const TableTheme& theme) {
    theme_ = theme;
    update();
}

void TermArt::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, theme_.style != TableStyleID::pixel);
    const QRectF box = rect();
    QPainterPath clip;
    clip.addRoundedRect(box, 12, 12);
    painter.setClipPath(clip);
    ArtStage::paint(painter, box, theme_, 0.82);
    const QPointF centre = box.center();
    switch (termScene(term_)) {
    case TermScene::chips:
        LearnArt::paintStack(painter, theme_, {{ChipDenomination::d1000, 3}, {ChipDenomination::d100, 5}}, 11,
                             centre + QPointF(0, 8));
        break;
    case TermScene::blinds:
        paintBlinds(painter, theme_, centre);
        break;
    case TermScene::dealerButton: {
        painter.save();
        painter.translate(centre);
        painter.scale(1.5, 1.5);
        const double side = DealerButtonView::diameter(theme_);
        DealerButtonView::paint(painter, QPointF(-side / 2, -side / 2), theme_);
        painter.restore();
        break;
    }
    case TermScene::table:
        LearnArt::paintSeatedTable(painter, theme_, box, {"Finn", "Rascal", "Goldie"},
                                   BotKit::BotTier::medium);
        break;
    case TermScene::headsUpTable:
        LearnArt::paintSeatedTable(painter, theme_, box, {"Goldie"}, BotKit::BotTier::easy);
        break;
    case TermScene::avatars:
        paintAvatars(painter, theme_, centre);
        break;
    case TermScene::cards:
        LearnArt::paintPair(painter, theme_, {"As", "Kh"}, QSizeF(26, 36), centre + QPointF(0, 2), 6, -8, 7);
        break;
    }
}
