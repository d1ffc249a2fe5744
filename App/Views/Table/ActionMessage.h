#pragma once

#include <functional>
#include <optional>
#include <utility>

#include <QWidget>

#include "Style/ControlKind.h"

class Announcer;
class QShortcut;
class StyledButton;
class StyledParagraph;

// A message in the action bar's place with one or two buttons: a title, an optional detail, an
// optional secondary button on Escape and the primary button on Return, wherever the keyboard focus is
// in its window, unless a button holds it there. It tells screen readers its title and detail each time
// it comes on screen.
class ActionMessage : public QWidget {
    Q_OBJECT
  public:
    using Secondary = std::pair<QString, std::function<void()>>;

    // `announcer` may be null (the gallery).
    ActionMessage(const TableTheme& theme, const QString& title, std::optional<QString> detail,
                  const QString& button, ControlKind kind, std::optional<Secondary> secondary,
                  std::function<void()> action, Announcer* announcer, QWidget* parent = nullptr);

    // Draws it anew in `theme`, as when the desktop turns light or dark while it shows; its words and
    // buttons stay, so nothing is announced again.
    void setTheme(const TableTheme& theme);

    StyledButton* primaryButton() const { return primary_; }
    StyledButton* secondaryButton() const { return secondary_; }
    QString announcement() const;
    // A question waiting for its answer keeps Tab and Shift+Tab going round its own buttons.
    void setKeepsTab(bool keeps) { keepsTab_ = keeps; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    QShortcut* windowKey(Qt::Key key);

    QString title_;
    std::optional<QString> detail_;
    Announcer* announcer_;
    StyledParagraph* heading_ = nullptr;
    StyledParagraph* detailLine_ = nullptr;
    StyledButton* primary_ = nullptr;
    StyledButton* secondary_ = nullptr;
    bool keepsTab_ = false;
};
