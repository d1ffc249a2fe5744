#pragma once

#include <optional>

#include <QScrollArea>

#include "Style/TableTheme.h"

class QLabel;

// The Rankings tab: the ten hands best first, each with its number, name, one-line description and an
// example drawn as five small cards. The row of the hand the player holds now is highlighted and says
// "You have this now".
class RankingsTab : public QScrollArea {
    Q_OBJECT
  public:
    // `art` draws the example cards; `held` names the category the player holds now.
    RankingsTab(const TableTheme& art, bool compact, std::optional<QString> held, QWidget* parent = nullptr);

    // The player now holds another category (or none): the rows say so in place, the list staying
    // where the player scrolled it.
    void setHeld(const std::optional<QString>& held);

    // The rows, best first; each speaks as one element.
    const std::vector<QWidget*>& rows() const { return rows_; }
    // The second line of a row: the description, or "You have this now" on the held row.
    QLabel* detailLabel(int row) const { return details_.at(static_cast<std::size_t>(row)); }

  private:
    void showHeld(std::size_t row, bool held);

    bool dark_;
    std::optional<QString> held_;
    std::vector<QWidget*> rows_;
    std::vector<QLabel*> details_;
};
