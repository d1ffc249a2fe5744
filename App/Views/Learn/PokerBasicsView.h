#pragma once

#include <functional>
#include <optional>

#include <QWidget>

#include "BotKit/StartingHand.h"
#include "Learn/GuideDestination.h"
#include "Style/TableTheme.h"

class Announcer;
class QAbstractButton;
class QLabel;
class QVBoxLayout;
class SlidingPicker;
class StyledButton;

// The Poker Basics guide: a header with "Done" (in the panel presentation), the picker of the four tabs and
// the chosen tab: the Basics pages, the rankings, the starting-hands chart and the glossary. Four screens
// build it; it keeps the tab, the Basics page and the focused glossary term while it is shown.
class PokerBasicsView : public QWidget {
    Q_OBJECT
  public:
    enum class Presentation { panel, sidebar };

    struct Setup {
        // The illustrations' and example cards' theme.
        TableTheme art = TableTheme::standard();
        // The theme the picker, buttons and panels read.
        TableTheme theme = TableTheme::standard();
        Presentation presentation = Presentation::panel;
        // The player's two cards at a table.
        std::optional<BotKit::StartingHand> currentHand;
        // The category the player holds now, in learning mode.
        std::optional<QString> heldRank;
        // Starts the practice hand, where one can be started.
        std::function<void()> playPractice;
        std::function<void()> onDone;
        GuideDestination opening = GuideDestination::basics(0);
        // May be null.
        Announcer* announcer = nullptr;
    };

    explicit PokerBasicsView(Setup setup, QWidget* parent = nullptr);

    GuideTab tab() const { return tab_; }
    int page() const { return page_; }
    void setTab(GuideTab tab);
    // The player's cards and what they hold now, as the table moves on: the chart and the rankings
    // follow, and the tab, the page and the glossary term stay.
    void setPlayerHand(std::optional<BotKit::StartingHand> currentHand, std::optional<QString> heldRank);
    // The widget of the tab shown now.
    QWidget* tabContent() const { return content_; }
    SlidingPicker* tabPicker() const { return picker_; }
    // The picker's segment of a tab.
    QAbstractButton* tabButton(GuideTab tab) const;
    // "Done"; absent in the sidebar.
    StyledButton* doneButton() const { return done_; }
    // Reads out the Basics page shown, when the Basics tab is.
    void readBasicsPage();
    // Reads out the words at the top of the tab shown.
    void readTab();
    // The panel comes back over its screen before it has gone (reopened as it slid away): it reads what
    // it shows, as a panel opened anew reads its page. Only the focus coming back, the reader heard the
    // button it landed on and nothing of the guide.
    void reopened();
    // The desktop turned light or dark, or asked for more contrast: the guide redraws in the new look
    // where it stands, on the same tab, page, chart choice and scroll.
    void setTheme(const TableTheme& art, const TableTheme& theme);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildContent();
    void paintPage();
    // Reads with `read` once the opening is over and the reader has been told of it.
    void readOnceOpened(void (PokerBasicsView::*read)());
    // The panel's Return: the focused button, else the Basics page forward.
    void pressReturn();

    Setup setup_;
    GuideTab tab_;
    int page_;
    std::optional<Term> focusedTerm_;
    QVBoxLayout* stack_ = nullptr;
    SlidingPicker* picker_ = nullptr;
    StyledButton* done_ = nullptr;
    QLabel* heading_ = nullptr;
    QWidget* content_ = nullptr;
    bool shown_ = false;
};
