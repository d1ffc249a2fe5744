#pragma once

#include <cstdint>
#include <optional>

#include <QWidget>

#include "Style/TableTheme.h"

class QLineEdit;

// The raise amount entry: a one-line number field in the theme's style that shows the amount in the
// locale's integer format and sends it with Return. Every readable amount is written as it is typed, so
// what the owner shows follows the text. Return on text that is not an amount submits nothing: the field
// keeps the text, marks itself and says why; leaving it puts the last amount back. Keeping the amount in
// the legal range is the owner's business.
class AmountField : public QWidget {
    Q_OBJECT
  public:
    explicit AmountField(const TableTheme& theme, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    std::int64_t value() const { return value_; }
    // Shows `value` (the bound amount changed elsewhere).
    void setValue(std::int64_t value);
    // Whether the player is editing: the field holds keyboard focus.
    bool isEditing() const;
    void setEditing(bool editing);
    QLineEdit* lineEdit() const { return edit_; }
    // Why the text last submitted is not an amount; absent once it is edited or replaced.
    const std::optional<QString>& problem() const { return problem_; }

    // Room kept round the field for its focus ring.
    static double focusMargin(const TableTheme& theme);

    QSize sizeHint() const override;

  signals:
    // The player typed a readable amount that differs from the last one.
    void valueEdited(std::int64_t value);
    // Return in the field on a readable amount, after it was written.
    void submitted();
    // Return in the field on text that is not an amount: nothing is submitted, and this says why.
    void refused(const QString& reason);
    void editingChanged(bool editing);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void typed();
    void submit();
    // Leaving the field: a readable amount stays, in the locale's grouping; anything else goes back.
    void settle();
    void setProblem(std::optional<QString> problem);
    // Moves the tip saying what is wrong beside the field.
    void placeProblemTip();
    void restyle();
    QRectF plate() const;

    TableTheme theme_;
    std::int64_t value_ = 0;
    std::optional<QString> problem_;
    QLineEdit* edit_;
};
