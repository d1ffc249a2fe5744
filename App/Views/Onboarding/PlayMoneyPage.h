#pragma once

#include "Views/Onboarding/OnboardingPage.h"

class ChipPileView;

// The second page: the chip pile falls anew on every visit over a panel of three play-money facts.
class PlayMoneyPage final : public OnboardingPage {
    Q_OBJECT
  public:
    explicit PlayMoneyPage(const TableTheme& theme, QWidget* parent = nullptr);
    QString reading() const override;

    void setTheme(const TableTheme& theme) override;
    void setInSight(bool inSight) override;
    ChipPileView* pile() const { return pile_; }

    // The facts panel's place on the page.
    static QRectF panelRect();
    // Paints the title and the facts panel `sinceShown` seconds after the page appeared.
    static void paintColumn(QPainter& painter, const TableTheme& theme, double sinceShown);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool moving(double sinceShown) const override;

  private:
    ChipPileView* pile_;
};
