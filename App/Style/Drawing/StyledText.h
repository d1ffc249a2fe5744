#pragma once

#include <QWidget>

#include <optional>

#include "Style/Drawing/AnimationClock.h"
#include "Style/TableTheme.h"

// One line of themed text in a role and colour. With `rolls`, a changed number rolls its digits in
// (not under Reduce Motion, and not in the pixel style).
class StyledText : public QWidget {
    Q_OBJECT
  public:
    StyledText(const TableTheme& theme, const QString& string, TextRole role, const RGB& colour,
               bool rolls = false, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    void setString(const QString& string);
    void setColor(const RGB& colour);
    // The words a reader hears in place of the shown ones ("Level 1" for "L1"); none: the shown ones.
    void setSpokenString(const std::optional<QString>& spoken);
    const QString& string() const { return string_; }
    AnimationClock& clock() { return clock_; }
    bool isRolling() const { return rolling_.has_value(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void updateAccessibility();

    TableTheme theme_;
    QString string_;
    std::optional<QString> spoken_;
    TextRole role_;
    RGB colour_;
    bool rolls_;
    AnimationClock clock_;
    QString previous_;
    std::optional<Transition> rolling_;
};
