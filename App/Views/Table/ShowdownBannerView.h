#pragma once

#include "Persistence/Instant.h"
#include "Style/AvatarModel.h"
#include "Style/TableTheme.h"
#include "Table/Screen/ShowdownText.h"

#include <QTimer>
#include <QWidget>

#include <functional>

class GameController;
class HoldResultButton;
class QScrollArea;
class ShowdownResults;
class StyledButton;
class StyledText;

// Who won what at the end of a hand, the hold control and the next-hand button with its countdown.
// The results scroll when more winners are listed than their band holds; a click on them keeps the
// result up. The countdown repaints four times a second only while a deal is scheduled.
class ShowdownBannerView : public QWidget {
    Q_OBJECT
  public:
    using Clock = std::function<Instant()>;

    ShowdownBannerView(const TableTheme& theme, GameController& controller, Clock now,
                       QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    // `avatar` gives each winner's disc.
    void setResult(std::vector<ShowdownRow> rows, std::optional<QString> why,
                   std::function<AvatarModel(std::int64_t)> avatar);
    // Follows the controller's scheduled deal and held result.
    void refresh();

    const std::vector<ShowdownRow>& rows() const { return rows_; }
    QString nextHandTitle() const;
    bool countsDown() const { return countdown_.isActive(); }
    HoldResultButton* holdButton() const { return hold_; }
    StyledButton* nextButton() const { return next_; }
    // The results' scrolling view and the column of rows inside it.
    QScrollArea* resultsArea() const { return area_; }
    QWidget* resultsContent() const;
    // Where the rows and the explanation stand in that column.
    const ShowdownLayout::Results& resultsLayout() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    ShowdownLayout::Bands bands() const;

    TableTheme theme_;
    GameController& controller_; // outlives the screen
    Clock now_;
    std::vector<ShowdownRow> rows_;
    std::optional<QString> why_;
    QScrollArea* area_;
    ShowdownResults* results_;
    HoldResultButton* hold_;
    StyledText* held_;
    StyledButton* next_;
    QTimer countdown_;
};
