#include "Views/Table/ActionMessage.h"

#include <algorithm>
#include <cmath>

#include <QHBoxLayout>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QWindow>

#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/StyledParagraph.h"
#include "Table/ActionBarModel.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Support/Announcer.h"
#include "Views/Support/FocusedButton.h"

ActionMessage::ActionMessage(const TableTheme& theme, const QString& title, std::optional<QString> detail,
                             const QString& button, ControlKind kind, std::optional<Secondary> secondary,
                             std::function<void()> action, Announcer* announcer, QWidget* parent)
    : QWidget(parent)
    , title_(title)
    , detail_(std::move(detail))
    , announcer_(announcer) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    column->addStretch();
    heading_ =
        new StyledParagraph(theme, title_, TextRole::title, theme.color(PaletteToken::ink), true, this);
    StyleAccessibility::setRole(heading_, QAccessible::Heading);
    column->addWidget(heading_);
    if (detail_) {
        detailLine_ =
            new StyledParagraph(theme, *detail_, TextRole::body, theme.color(PaletteToken::ink2), true, this);
        column->addWidget(detailLine_);
    }
    auto* row = new QHBoxLayout;
    row->setSpacing(10);
    row->addStretch();
    if (secondary) {
        secondary_ = new StyledButton(theme, secondary->first, ControlKind::secondary(), ControlSize::main,
                                      std::nullopt, secondary->second, this);
        row->addWidget(secondary_);
        connect(windowKey(Qt::Key_Escape), &QShortcut::activated, secondary_, &QAbstractButton::click);
    }
    primary_ =
        new StyledButton(theme, button, kind, ControlSize::main, std::nullopt, std::move(action), this);
    row->addWidget(primary_);
    int widest = primary_->sizeHint().width();
    if (secondary_)
        widest = std::max(widest, secondary_->sizeHint().width());
    const int buttonWidth = static_cast<int>(std::ceil(actionMessageButtonWidth(theme, widest)));
    for (StyledButton* button : {secondary_, primary_})
        if (button)
            button->setFixedWidth(buttonWidth);
    row->addStretch();
    column->addLayout(row);
    column->addStretch();
    // Return presses whichever button shows the focus, the toolbar's too: the player acts on what the
    // ring and the reader say, never on a panel elsewhere.
    for (auto key : {Qt::Key_Return, Qt::Key_Enter})
        connect(windowKey(key), &QShortcut::activated, this,
                [this] { FocusedButton::pressOr(window(), primary_); });
}

void ActionMessage::setTheme(const TableTheme& theme) {
    heading_->setTheme(theme);
    heading_->setColor(theme.color(PaletteToken::ink));
    if (detailLine_) {
        detailLine_->setTheme(theme);
        detailLine_->setColor(theme.color(PaletteToken::ink2));
    }
    for (StyledButton* button : {secondary_, primary_})
        if (button)
            button->setTheme(theme);
}

QShortcut* ActionMessage::windowKey(Qt::Key key) {
    // The table keeps the keyboard for its own keys, and in the window the log or the guide may hold
    // it: the message answers wherever focus is in its window, while it is shown and enabled (not
    // under the guide). Its own focused button still takes Return for itself. A held key is one press, so
    // a Return held through the hand's end does not press the panel that follows.
    auto* shortcut = new QShortcut(QKeySequence(key), this);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    return shortcut;
}

bool ActionMessage::focusNextPrevChild(bool next) {
    if (!keepsTab_)
        return QWidget::focusNextPrevChild(next);
    QList<StyledButton*> stops;
    for (StyledButton* button : {secondary_, primary_})
        if (button && button->isVisible() && button->isEnabled())
            stops << button;
    if (stops.isEmpty())
        return QWidget::focusNextPrevChild(next);
    const qsizetype at = stops.indexOf(qobject_cast<StyledButton*>(window()->focusWidget()));
    const qsizetype count = stops.size();
    const qsizetype to = at < 0 ? 0 : (at + (next ? 1 : count - 1)) % count;
    stops[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

QString ActionMessage::announcement() const {
    return actionMessageAnnouncement(title_, detail_);
}

void ActionMessage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A message that comes up only because its window does (a hidden table shown again) may be stale by
    // the time the window is up: the table tells its state itself then.
    const QWindow* shownIn = window()->windowHandle();
    const bool withItsWindow = window() != this && !(shownIn && shownIn->isVisible());
    if (announcer_ && !event->spontaneous() && !withItsWindow)
        announcer_->announce(announcement());
}
