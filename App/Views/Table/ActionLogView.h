#pragma once

#include <functional>
#include <vector>

#include <QWidget>

#include "Style/Drawing/AnimationClock.h"
#include "Style/TableTheme.h"
#include "Table/LogEntry.h"

class Announcer;
class FocusFrame;
class GameController;
class QScrollArea;
class QVBoxLayout;

// The running record of the hand in progress: a heading per street with its cards, a line per event
// with a dot in the seat's colour, and the player's turn prompt at the bottom. It follows the game
// controller and scrolls itself to the newest row.
class ActionLogView : public QWidget {
    Q_OBJECT
  public:
    // `controller` may be null: the log then shows no rows until `setRows` gives some. With an
    // `announcer`, a reader that reaches the rows by Tab or Shift+Tab hears every one of them in order;
    // then the arrows, Page Up, Page Down, Home and End step through them, a row at a time.
    ActionLogView(const TableTheme& theme, GameController* controller, Announcer* announcer = nullptr,
                  QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    // The rows to show, the hand's number (none without a table) and each seat's dot colour.
    using SeatColors = std::function<RGB(std::int64_t seat)>;
    void setRows(const std::vector<LogEntry>& rows, std::optional<std::int64_t> handNumber,
                 SeatColors colors);

    const std::vector<LogEntry>& rows() const { return rows_; }
    QString header() const;
    QScrollArea* scrollArea() const { return scroll_; }
    AnimationClock& clock() { return clock_; }
    // The row widgets, in order; a row keeps its widget while rows are appended below it.
    std::vector<QWidget*> rowWidgets() const;
    // Shown round the rows while they hold the keyboard focus.
    QWidget* focusFrame() const;
    // The row the keys have stepped to, read as focused while the rows hold the keys.
    std::optional<std::size_t> place() const { return place_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void follow();
    void rebuild();
    void scrollToNewest();
    void stepScroll();
    // Moves the reader's place as `key` asks; false for a key that does not step through the rows.
    bool step(int key);
    // Rows from `first` on are going: a place among them goes with them, back to the rows as a whole.
    void leavePlace(std::size_t first = 0);

    TableTheme theme_;
    GameController* controller_;
    Announcer* announcer_;
    std::vector<LogEntry> rows_;
    SeatColors colors_;
    class Header;
    Header* header_;
    QScrollArea* scroll_;
    QWidget* content_;
    QVBoxLayout* column_;
    FocusFrame* focusFrame_;
    AnimationClock clock_;
    Transition scrolling_;
    bool shownOnce_ = false;
    std::optional<std::size_t> place_;
};
