#include "Views/Support/ToolButtonWidth.h"

#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionToolButton>
#include <QToolButton>

#include <algorithm>

namespace {

// The width the style gives the button's face with `title` on it: its contents laid out as the button
// lays out its own, the text's box with a space either side.
int faceWidth(const QToolButton& button, const QString& title) {
    QStyleOptionToolButton option;
    option.initFrom(&button);
    option.subControls = QStyle::SC_ToolButton;
    option.toolButtonStyle = button.toolButtonStyle();
    option.iconSize = button.iconSize();
    option.icon = button.icon();
    option.text = title;
    const QFontMetrics metrics = button.fontMetrics();
    QSize text = metrics.size(Qt::TextShowMnemonic, title);
    text.rwidth() += 2 * metrics.horizontalAdvance(QLatin1Char(' '));
    const QSize icon = option.iconSize;
    QSize contents;
    switch (option.toolButtonStyle) {
    case Qt::ToolButtonIconOnly:
        contents = icon;
        break;
    case Qt::ToolButtonTextOnly:
        contents = text;
        break;
    case Qt::ToolButtonTextBesideIcon:
        contents = {icon.width() + 4 + text.width(), std::max(icon.height(), text.height())};
        break;
    case Qt::ToolButtonTextUnderIcon:
    case Qt::ToolButtonFollowStyle:
        contents = {std::max(icon.width(), text.width()), icon.height() + 4 + text.height()};
        break;
    }
    return button.style()->sizeFromContents(QStyle::CT_ToolButton, &option, contents, &button).width();
}

} // namespace

void keepWidestTitle(QToolButton& button, const QStringList& titles) {
    int widest = 0;
    for (const QString& title : titles) {
        widest = std::max(widest, faceWidth(button, title));
    }
    // What the button adds to its face beyond the style's measure (a menu's arrow) stays as it is.
    button.setMinimumWidth(button.sizeHint().width() - faceWidth(button, button.text()) + widest);
}
