#pragma once

#include "Views/Onboarding/OnboardingPage.h"

#include <array>
#include <functional>
#include <optional>

class AppState;
class OptionCard;

// The last page: three questions, each answered with a pair of option cards; every answer is written
// into the profile the moment it is chosen. The experience answer lives in the flow, so it survives
// paging back and forth; the other two are read from the profile.
class MakeItYoursPage final : public OnboardingPage {
    Q_OBJECT
  public:
    // Tells the flow the experience answer; the page then shows it.
    using AnswerNewToPoker = std::function<void(bool)>;

    MakeItYoursPage(const TableTheme& theme, AppState* appState, std::optional<bool> newToPoker,
                    AnswerNewToPoker answer, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme) override;
    QString reading() const override;
    void setNewToPoker(std::optional<bool> newToPoker);
    // The six cards, section by section, left then right.
    const std::array<OptionCard*, 6>& cards() const { return cards_; }
    // Each question's pair of cards, in a container named by the question so that a screen reader
    // reads the question with its answers.
    const std::array<QWidget*, 3>& rows() const { return rows_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool moving(double sinceShown) const override;
    void advance(double sinceShown) override;

  private:
    void refresh();
    void placeTabStops();

    AppState* appState_;
    std::optional<bool> newToPoker_;
    AnswerNewToPoker answer_;
    std::array<QWidget*, 3> rows_{};
    std::array<OptionCard*, 6> cards_{};
};
