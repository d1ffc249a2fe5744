#pragma once

#include "Learn/HandTag.h"
#include "Style/Drawing/AnimationClock.h"
#include "Table/Screen/NameplateModel.h"
#include "Table/Screen/StageHelp.h"
#include "Table/Screen/StageLayout.h"
#include "Views/Table/StageScene.h"

#include <QWidget>

#include <QPixmap>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class HandTagView;

// The table itself: the felt, the pause shade, the board, the pot and bets, everyone's cards, the
// nameplates, the dealer button and the chips in flight, painted as one retained scene. Each redraw's
// items come from the stage layout; the scene animates what arrived, left or moved on the stage's one
// clock, which stops as soon as nothing moves. Screen readers find the board, the pot, the last action,
// the plates and the player's cards as children, in that order.
class StageView : public QWidget {
    Q_OBJECT
  public:
    struct Inputs {
        PokerEngine::PlayerView view;
        std::vector<SeatModel> seats;
        TableGeometry geometry;
        TableTheme theme;
        StageTimeline timeline;
        std::optional<QString> lastAction;
        bool paused = false;
        bool cashTable = true;
        // Learning mode's tag beside the player's cards.
        std::optional<HandTag> handTag;
        std::optional<std::unordered_set<PokerEngine::Card>> litCards;
    };

    explicit StageView(QWidget* parent = nullptr);
    ~StageView() override;

    // A new redraw: what arrived, left or changed starts moving now.
    void show(Inputs inputs);
    const std::optional<Inputs>& inputs() const { return inputs_; }
    AnimationClock& clock() { return clock_; }
    const StageScene& scene() const { return scene_; }
    // Paints the stage as it is at the clock's time (the gallery and the benchmark call it directly).
    void paintStage(QPainter& painter);

    QSize sizeHint() const override;
    // Where the hand tag's chip is drawn (its shadow not counted); empty without a tag.
    QRectF handTagRect() const;
    // The explained pieces where they stand now, back to front, for the tooltips.
    std::vector<StageHelp::Spot> helpSpots() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void tick();
    void updateAccessibility();
    void updateHandTag();
    double pausedShade(double now) const;

    AnimationClock clock_;
    StageScene scene_;
    std::optional<Inputs> inputs_;
    Transition shade_{AnimationCurve::linear(0), 0, 0, 0};
    // The learning aids' tag view draws each hand's tag once into a picture the frames reuse, so a tag
    // fading out keeps the words it had.
    std::unique_ptr<HandTagView> tagArt_;
    std::map<QString, QPixmap> tagPictures_;
    struct DrawnTag {
        QString id;
        HandTag tag;
        TableStyleID style = TableStyleID::satin;
        TableSurface surface = TableSurface::popover;
        bool dark = false;
        bool increaseContrast = false;
        double width = 0;
        double ratio = 1;
        bool operator==(const DrawnTag&) const = default;
    };
    std::optional<DrawnTag> drawnTag_;
    // Invisible children that carry the stage's spoken elements, in reading order.
    QWidget* board_;
    QWidget* pot_;
    QWidget* lastAction_;
    std::array<QWidget*, 6> plates_{};
    QWidget* heroCards_;
    QWidget* dealer_;
};
