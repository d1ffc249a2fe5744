#pragma once

#include <functional>
#include <optional>

#include <QAbstractButton>

#include "Style/ControlKind.h"
#include "Views/Controls/PressMotion.h"

// The application's one text button, drawn in the theme's style: glass in satin, card stock in paper,
// a bevel in pixel. Space, Return and Enter press it when it has focus; a click presses it too. A reader
// hears its title without the arrows drawn on it.
class StyledButton : public QAbstractButton {
    Q_OBJECT
  public:
    StyledButton(const TableTheme& theme, const QString& title, ControlKind kind,
                 ControlSize size = ControlSize::main, std::optional<ControlIcon> icon = std::nullopt,
                 std::function<void()> action = {}, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    void setKind(ControlKind kind);
    void setTitle(const QString& title);
    // What a reader hears while the drawn title changes with time ("Next hand" for a countdown); empty
    // goes back to the title.
    void setSpokenName(const QString& name);

    const TableTheme& theme() const { return theme_; }
    ControlKind kind() const { return kind_; }
    ControlSize controlSize() const { return size_; }
    const QString& title() const { return title_; }

    // Where the face is drawn inside the widget, centred; the room around it holds the focus ring and
    // the shadow, so neither is cut off at the widget's edge.
    QRectF faceRect() const;
    QMargins room() const;
    // The face's height: in satin a preset is always the small control.
    double faceHeight() const;
    // The clock the paper press eases on.
    AnimationClock& pressClock() { return press_.clock(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The drawn button takes the click, not the room kept around it for its focus ring and shadow.
    bool hitButton(const QPoint& position) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void paintButton(QPainter& painter);
    void paintLabel(QPainter& painter, const QRectF& box) const;
    double labelWidth() const;
    TextRole role() const { return size_ == ControlSize::main ? TextRole::button : TextRole::preset; }
    void refreshAccessibility();

    TableTheme theme_;
    ControlKind kind_;
    ControlSize size_;
    std::optional<ControlIcon> icon_;
    PressMotion press_;
    QString title_;
    QString spokenName_;
};
