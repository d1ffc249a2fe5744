#pragma once

#include <cstdint>

#include <QWidget>

#include "Style/TableTheme.h"

class QLineEdit;

// The raise amount entry: a one-line number field in the theme's style that shows the amount in the
// locale's integer format and sends it with Return. It writes only amounts it could read: text that is
// empty, not a whole number or negative puts the last amount back. Keeping the amount in the legal range
// is the owner's business.
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

    // Room kept round the field for its focus ring.
    static double focusMargin(const TableTheme& theme);

    QSize sizeHint() const override;

  signals:
    // The player committed a readable amount that differs from the shown one.
    void valueEdited(std::int64_t value);
    // Return in the field, after its text was committed.
    void submitted();
    void editingChanged(bool editing);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void commit();
    void restyle();
    QRectF plate() const;

    TableTheme theme_;
    std::int64_t value_ = 0;
    QLineEdit* edit_;
};
