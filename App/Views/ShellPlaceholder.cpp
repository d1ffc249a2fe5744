#include "Views/ShellPlaceholder.h"

#include "Style/ControlKind.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Views/Controls/StyledButton.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

ShellPlaceholder::ShellPlaceholder(const TableTheme& theme, QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , title_(new QLabel(this))
    , body_(new QLabel(this))
    , layout_(new QVBoxLayout(this)) {
    layout_->setContentsMargins(32, 32, 32, 32);
    layout_->setSpacing(12);
    layout_->addStretch(1);
    for (QLabel* label : {title_, body_}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        layout_->addWidget(label);
    }
    title_->setAccessibleName(QStringLiteral("Title"));
    layout_->addStretch(1);
    applyTheme();
}

void ShellPlaceholder::setTheme(const TableTheme& theme) {
    theme_ = theme;
    applyTheme();
    if (button_) {
        button_->setTheme(theme);
    }
    update();
}

void ShellPlaceholder::applyTheme() {
    title_->setFont(ThemeFonts::font(theme_, TextRole::title));
    body_->setFont(ThemeFonts::font(theme_, TextRole::body));
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, toQColor(theme_.color(PaletteToken::ink)));
    title_->setPalette(colours);
    colours.setColor(QPalette::WindowText, toQColor(theme_.color(PaletteToken::ink2)));
    body_->setPalette(colours);
}

void ShellPlaceholder::setText(const QString& title, const QString& body) {
    title_->setText(title);
    body_->setText(body);
    title_->setAccessibleName(title);
    body_->setAccessibleName(body);
}

QString ShellPlaceholder::title() const {
    return title_->text();
}

QString ShellPlaceholder::body() const {
    return body_->text();
}

void ShellPlaceholder::setButton(const QString& title, std::function<void()> action) {
    delete button_;
    button_ = nullptr;
    action_ = std::move(action);
    if (title.isEmpty()) {
        return;
    }
    button_ =
        new StyledButton(theme_, title, ControlKind::confirm(), ControlSize::main, std::nullopt, [this] {
            if (action_) {
                action_();
            }
        });
    layout_->insertWidget(layout_->count() - 1, button_, 0, Qt::AlignHCenter);
}

void ShellPlaceholder::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(theme_.color(PaletteToken::stock)));
}
