#pragma once

#include "Style/TableTheme.h"

#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QVBoxLayout;
class StyledButton;

// What a root shows where a screen of the game is still to be built: a title, one plain sentence
// saying what is missing, and at most one button that still lets the player get on.
class ShellPlaceholder final : public QWidget {
    Q_OBJECT

  public:
    explicit ShellPlaceholder(const TableTheme& theme, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    void setText(const QString& title, const QString& body);
    // An empty title removes the button.
    void setButton(const QString& title, std::function<void()> action);
    QString title() const;
    QString body() const;
    StyledButton* button() const { return button_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void applyTheme();

    TableTheme theme_;
    QLabel* title_;
    QLabel* body_;
    QVBoxLayout* layout_;
    StyledButton* button_ = nullptr;
    std::function<void()> action_;
};
