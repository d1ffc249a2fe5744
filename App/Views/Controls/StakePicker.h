#pragma once

#include <array>

#include <QWidget>

#include "Game/CashStakes.h"
#include "Style/TableTheme.h"

class QAbstractButton;

// The three stakes cards of a cash table: blinds, minimum buy-in and a chip of the stakes' colour. A
// card the spendable chips can't cover is locked: dimmed, padlocked, and choosing it reports the stakes
// instead of selecting them.
class StakePicker : public QWidget {
    Q_OBJECT
  public:
    StakePicker(const TableTheme& theme, CashStakes selection, std::int64_t spendable,
                QWidget* parent = nullptr);

    CashStakes selection() const { return selection_; }
    // Show a state set from outside; sends nothing.
    void setSelection(CashStakes stakes);
    void setSpendable(std::int64_t spendable);
    void setTheme(const TableTheme& theme);
    QAbstractButton* card(CashStakes stakes) const;

    QSize sizeHint() const override;

  signals:
    // An unlocked card was chosen (also the one already chosen).
    void selected(CashStakes stakes);
    // A locked card was chosen; the selection stays.
    void lockedChosen(CashStakes stakes);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void refresh();

    TableTheme theme_;
    CashStakes selection_;
    std::int64_t spendable_;
    std::array<QAbstractButton*, 3> cards_{};
};
