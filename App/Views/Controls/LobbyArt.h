#pragma once

#include <QRectF>

#include <vector>

#include "BotKit/BotProfile.h"
#include "Game/GameMode.h"
#include "PokerEngine/Card.h"
#include "Style/ArtIcon.h"
#include "Style/SeatedTableLayout.h"
#include "Style/TableTheme.h"

class QPainter;

// The small illustrations of the lobby, onboarding and guide, drawn in code in the theme's style from
// the table's own cards, chips, felt and avatars.
namespace LobbyArt {

// A rounded square tile on the art stage with the icon's pictogram.
void paintIconTile(QPainter& painter, const QRectF& tile, const TableTheme& theme, ArtIcon icon);
// The wide picture on a mode's hero card.
void paintModeHero(QPainter& painter, const QRectF& rect, const TableTheme& theme, GameMode mode);
// A character of the cast as a disc, by slug; its initial comes from the cast's name.
void paintCharacter(QPainter& painter, QPointF centre, const TableTheme& theme, const std::string& slug,
                    double diameter);

// A miniature table: the felt, up to five opponents round it (each at `presence` 0 to 1 while it comes
// and goes), optional names and empty-seat rings, a few board cards and the player at the near edge.
struct SeatedTableScene {
    std::vector<BotKit::BotProfile> players;
    bool showsNames = false;
    bool showsEmptySeats = false;
    double diameter = 24;
    std::vector<PokerEngine::Card> board;
    SeatedTableLayout::Shape shape;
    // Width kept free at the leading edge for a control laid over the picture; the table sits in the
    // rest, the stage still fills the whole picture.
    double leadingRoom = 0;
};
void paintSeatedTable(QPainter& painter, const QRectF& rect, const TableTheme& theme,
                      const SeatedTableScene& scene, const std::vector<double>& presence = {});

} // namespace LobbyArt
