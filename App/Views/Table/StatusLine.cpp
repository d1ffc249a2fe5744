#include "Views/Table/StatusLine.h"

#include <QVBoxLayout>

#include "Style/Drawing/StyledText.h"

StatusLine::StatusLine(const TableTheme& theme, const QString& text, QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , line_(new StyledText(theme, text, TextRole::body, theme.color(PaletteToken::ink2), false, this)) {
    line_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(line_);
}

void StatusLine::setTheme(const TableTheme& theme) {
    theme_ = theme;
    line_->setTheme(theme);
    line_->setColor(theme.color(PaletteToken::ink2));
}

void StatusLine::setText(const QString& text) {
    line_->setString(text);
}

QString StatusLine::text() const {
    return line_->string();
}
