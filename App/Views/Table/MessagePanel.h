#pragma once

#include "Style/ControlKind.h"
#include "Style/TableTheme.h"

#include <QWidget>

#include <functional>
#include <optional>

class StyledButton;
class StyledText;

// A message under the table with a primary button and perhaps a secondary one: the leave question,
// the pause, the end of a game. Stands in for the table kit's action message until that lands here.
class MessagePanel : public QWidget {
    Q_OBJECT
  public:
    struct Button {
        QString title;
        std::function<void()> action;
    };
    MessagePanel(const TableTheme& theme, QWidget* parent = nullptr);

    void setMessage(const QString& title, const std::optional<QString>& detail, const Button& primary,
                    ControlKind kind, const std::optional<Button>& secondary);
    void setTheme(const TableTheme& theme);
    QString title() const;
    QString detail() const;
    StyledButton* primary() const { return primary_; }
    StyledButton* secondary() const { return secondary_; }

  private:
    TableTheme theme_;
    StyledText* title_;
    StyledText* detail_;
    StyledButton* primary_;
    StyledButton* secondary_;
    std::function<void()> primaryAction_;
    std::function<void()> secondaryAction_;
};
