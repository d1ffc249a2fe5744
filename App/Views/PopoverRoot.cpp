#include "Views/PopoverRoot.h"

#include "GameController.h"
#include "Views/RootContent.h"
#include "Views/RootTheme.h"
#include "Views/Support/LostKeys.h"

#include <QStackedLayout>

PopoverRoot::PopoverRoot(const AppEnvironment& environment, QWidget* parent)
    : QWidget(parent)
    , environment_(environment)
    , theme_(new RootTheme(
          environment.appState, TableSurface::popover,
          [this] { RootContent::setTheme(content_, theme_->theme()); }, this))
    , stack_(new QStackedLayout(this)) {
    setFixedSize(popoverSize);
    stack_->setContentsMargins(0, 0, 0, 0);
    if (environment_.controller) {
        connect(environment_.controller, &GameController::stateChanged, this, [this] {
            if (environment_.controller->hasTable() != showsTable_) {
                showContent();
            }
        });
    }
    showContent();
    new LostKeys(*this, [this] { RootContent::takeKeys(content_); });
}

PopoverRoot::~PopoverRoot() = default;

const TableTheme& PopoverRoot::theme() const {
    return theme_->theme();
}

void PopoverRoot::showContent() {
    showsTable_ = environment_.controller && environment_.controller->hasTable();
    QWidget* next = RootContent::make(environment_, TableSurface::popover, theme_->theme(), {}, !content_);
    stack_->addWidget(next);
    stack_->setCurrentWidget(next);
    if (content_) {
        content_->deleteLater();
    }
    content_ = next;
}

void PopoverRoot::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    theme_->appeared();
}
