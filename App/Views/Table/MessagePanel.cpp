#include "Views/Table/MessagePanel.h"

#include "Style/Drawing/StyledText.h"
#include "Views/Controls/StyledButton.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

MessagePanel::MessagePanel(const TableTheme& theme, QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , title_(new StyledText(theme, QString(), TextRole::title, theme.color(PaletteToken::ink), false, this))
    , detail_(
          new StyledText(theme, QString(), TextRole::caption, theme.color(PaletteToken::ink2), false, this))
    , primary_(new StyledButton(theme, QString(), ControlKind::confirm(), ControlSize::small, std::nullopt,
                                [this] {
                                    if (primaryAction_) {
                                        primaryAction_();
                                    }
                                }))
    , secondary_(new StyledButton(theme, QString(), ControlKind::secondary(), ControlSize::small,
                                  std::nullopt, [this] {
                                      if (secondaryAction_) {
                                          secondaryAction_();
                                      }
                                  })) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 4, 0, 4);
    column->setSpacing(4);
    column->addWidget(title_, 0, Qt::AlignHCenter);
    column->addWidget(detail_, 0, Qt::AlignHCenter);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch();
    buttons->addWidget(secondary_);
    buttons->addWidget(primary_);
    buttons->addStretch();
    column->addLayout(buttons);
    column->addStretch();
}

void MessagePanel::setMessage(const QString& title, const std::optional<QString>& detail,
                              const Button& primary, ControlKind kind,
                              const std::optional<Button>& secondary) {
    title_->setString(title);
    detail_->setString(detail.value_or(QString()));
    detail_->setVisible(detail.has_value());
    primary_->setTitle(primary.title);
    primary_->setKind(kind);
    primaryAction_ = primary.action;
    secondary_->setVisible(secondary.has_value());
    if (secondary) {
        secondary_->setTitle(secondary->title);
        secondaryAction_ = secondary->action;
    }
}

void MessagePanel::setTheme(const TableTheme& theme) {
    theme_ = theme;
    title_->setTheme(theme);
    title_->setColor(theme.color(PaletteToken::ink));
    detail_->setTheme(theme);
    detail_->setColor(theme.color(PaletteToken::ink2));
    primary_->setTheme(theme);
    secondary_->setTheme(theme);
}

QString MessagePanel::title() const {
    return title_->string();
}

QString MessagePanel::detail() const {
    return detail_->isVisible() ? detail_->string() : QString();
}
