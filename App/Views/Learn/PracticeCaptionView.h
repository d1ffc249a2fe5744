#pragma once

#include <functional>

#include <QWidget>

#include "Learn/PracticeCaption.h"
#include "Style/TableTheme.h"

class Announcer;
class MarkdownLabel;
class QShortcut;
class StyledButton;
class StyledText;

// The caption card of the practice hand, shown in place of the action bar: the step label, the title, the
// explanation, and "Got It", or after a fold "Home" and "Try Again". Each caption it shows is announced
// once. The card decides nothing: the narration picks the caption and the table screen supplies the
// actions.
class PracticeCaptionView : public QWidget {
    Q_OBJECT
  public:
    struct Actions {
        std::function<void()> gotIt;
        std::function<void()> tryAgain;
        std::function<void()> home;
    };

    // `announcer` may be null (nothing is then spoken).
    PracticeCaptionView(const TableTheme& theme, const PracticeCaption& caption, Actions actions,
                        Announcer* announcer, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    // Where each caption's words go instead of the announcer: the table says them after the events they
    // explain, which it may not have said yet, and then gives the card the keys (see takeKeys).
    void setSpeaker(std::function<void(const QString&)> speaker) { speaker_ = std::move(speaker); }
    // A caption with another title (or the fold caption) is a new card: it is announced when shown.
    void setCaption(const PracticeCaption& caption);
    const PracticeCaption& caption() const { return caption_; }
    // The caption shown has handed its words to the speaker (or the announcer).
    bool told() const { return announced_ == identity(caption_); }

    // Gives the keys to the button Return presses, which a reader names; the card itself never takes them.
    void takeKeys();
    // The buttons as they stand, in order: "Got It", or "Home" then "Try Again".
    std::vector<StyledButton*> buttons() const;
    MarkdownLabel* bodyLabel() const { return body_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void rebuild();
    void placeContent();
    void announceIfNew();
    // "Got It", or "Try Again" after a fold.
    StyledButton* confirming() const;
    static QString identity(const PracticeCaption& caption);

    TableTheme theme_;
    PracticeCaption caption_;
    Actions actions_;
    Announcer* announcer_;
    std::function<void(const QString&)> speaker_;
    QString announced_;
    QWidget* content_ = nullptr;
    StyledText* stepLabel_ = nullptr;
    StyledText* title_ = nullptr;
    MarkdownLabel* body_ = nullptr;
    QWidget* buttonRow_ = nullptr;
    StyledButton* gotIt_ = nullptr;
    StyledButton* home_ = nullptr;
    // Escape as "Home", only while that button shows.
    QShortcut* cancel_ = nullptr;
    StyledButton* tryAgain_ = nullptr;
};
