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

    // Paints the page `sinceShown` seconds after it appeared, at clock time `time` (the bob's phase).
    static void paintPage(QPainter& painter, const TableTheme& theme, double sinceShown, double time);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool moving(double sinceShown) const override;
};
