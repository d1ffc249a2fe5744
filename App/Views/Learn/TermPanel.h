#pragma once

#include <functional>

#include "Learn/GuideDestination.h"
#include "Learn/Term.h"
#include "Style/Drawing/SatinPanel.h"

class StyledButton;
class MarkdownLabel;

// The card that explains a term in place: its picture, title and explanation (with the table's numbers),
// "Got It", and a link into the guide when the screen can open one. Return presses "Got It"; Escape
// closes the card too.
class TermPanel : public SatinPanel {
    Q_OBJECT
  public:
    using OpenGuide = std::function<void(const GuideDestination&)>;

    // `theme` draws the panel and its buttons; `art` the picture.
    TermPanel(const TableTheme& theme, Term term, const TermNumbers& numbers, const TableTheme& art,
              std::function<void()> dismiss, OpenGuide openGuide = {}, QWidget* parent = nullptr);

    Term term() const { return term_; }
    StyledButton* gotItButton() const { return gotIt_; }
    // Absent when the panel was built without a way into the guide.
    StyledButton* guideButton() const { return guide_; }
    MarkdownLabel* explanationLabel() const { return explanation_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Term term_;
    StyledButton* gotIt_ = nullptr;
    StyledButton* guide_ = nullptr;
    MarkdownLabel* explanation_ = nullptr;
};
