#pragma once

#include "Style/AvatarModel.h"
#include "Style/ChipDenomination.h"
#include "Style/FloatingArt.h"
#include "Views/Onboarding/OnboardingPage.h"
#include "Views/Onboarding/OnboardingPieces.h"

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// The first page: a title, a subtitle and three fact pills amid floating cards, bot avatars and chips.
class WelcomePage final : public OnboardingPage {
    Q_OBJECT
  public:
    struct TiltedCard {
        std::string code;
        double width = 0;
        double angle = 0;
    };
    struct Character {
        std::string slug;
        double diameter = 0;
    };
    struct Chip {
        ChipDenomination denomination = ChipDenomination::d100;
        double radius = 0;
        double squash = 0;
        double angle = 0;
    };
    struct Piece {
        std::variant<TiltedCard, Character, Chip> content;
        FloatingArt art;
    };

    // The eleven floating pieces, back to front.
    static const std::vector<Piece>& pieces();
    // The disc of a cast character; none when no character has the slug (its shadow is still drawn).
    static std::optional<AvatarModel> avatar(const std::string& slug);
    static const std::array<FactPill, 3>& pills();
    // What the title block reads as, to a screen reader, in one go.
    static QString spokenText();

    explicit WelcomePage(const TableTheme& theme, QWidget* parent = nullptr);
    QString reading() const override { return spokenText(); }

    // A piece as it is drawn at a moment: its bob held on steps, so it is painted anew only when it moved.
    static FloatingArt::Placement drawnAt(const Piece& piece, const TableTheme& theme, Moment moment);
    // The part of the page a piece covers at a placement, its shadow included.
    static QRectF bounds(const Piece& piece, const TableTheme& theme, const FloatingArt::Placement& at);
    // What of the page looks different at `now` than at `before`: all of it while anything comes in,
    // then only the pieces whose bob stepped, where they were and where they are.
    static QRegion changedArea(const TableTheme& theme, Moment before, Moment now);
    // Once everything has come in, only the slow bob moves: a frame every 1/30 s shows it as smoothly.
    static constexpr double floatingFrameInterval = 1.0 / 30;

    // Paints the page `sinceShown` seconds after it appeared, at clock time `time` (the bob's phase); only
    // what reaches into `area` is drawn.
    static void paintPage(QPainter& painter, const TableTheme& theme, double sinceShown, double time,
                          const QRegion& area = QRegion(QRect(QPoint(), pageSize)));

  protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool moving(double sinceShown) const override;
    QRegion changed(Moment before, Moment now) const override;
    double frameInterval(double sinceShown) const override;
};
