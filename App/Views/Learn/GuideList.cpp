#include "Views/Learn/GuideList.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

#include "Learn/ListKeys.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/FocusRingPainter.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/SystemAppearance.h"
#include "Style/Ornaments.h"
#include "Style/SheetControls.h"

#include <algorithm>
#include <iterator>

GuideList::Row::Row(QWidget* parent)
    : QWidget(parent) {
    StyleAccessibility::setRole(this, QAccessible::ListItem);
    setFocusPolicy(Qt::ClickFocus);
}

void GuideList::Row::keyPressEvent(QKeyEvent* event) {
    auto* list = qobject_cast<GuideList*>(parentWidget());
    if (list && list->step(this, event->key())) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void GuideList::Row::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (auto* list = qobject_cast<GuideList*>(parentWidget())) {
        list->setCurrent(this);
    }
    // The list scrolls to keep the row a key reached in view.
    for (QWidget* above = parentWidget(); above; above = above->parentWidget()) {
        if (auto* scroll = qobject_cast<QScrollArea*>(above)) {
            scroll->ensureWidgetVisible(this, 0, 0);
            break;
        }
    }
    update();
}

void GuideList::Row::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void GuideList::Row::speak(const QString& words) {
    // The words inside are left out once they are made: a paragraph names itself as it is built, after
    // the row first saw it, and a reader entering the list would read it without the row's name.
    for (QWidget* child : findChildren<QWidget*>()) {
        StyleAccessibility::setHidden(child);
    }
    StyleAccessibility::setName(this, words);
}

void GuideList::Row::setDivider(double inset) {
    divider_ = inset;
    update();
}

void GuideList::Row::childEvent(QChildEvent* event) {
    // The row's own name says everything; its labels would only repeat it.
    if (event->added()) {
        if (auto* child = qobject_cast<QWidget*>(event->child())) {
            StyleAccessibility::setHidden(child);
        }
    }
    QWidget::childEvent(event);
}

void GuideList::Row::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool dark = SystemAppearance::current().dark;
    if (divider_ >= 0) {
        const QColor line = toQColor(SatinPanelColors::border(dark));
        painter.fillRect(QRectF(divider_, 0, width() - divider_, 1), line);
    }
    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing);
        FocusRingPainter::paintInside(painter, QRectF(rect()).adjusted(2, 2, -2, -2),
                                      FocusRingPainter::desktopTheme(dark),
                                      FocusRingPainter::Outline::rounded, 8);
    }
}

GuideList::GuideList(double dividerInset, QWidget* parent)
    : QWidget(parent)
    , dividerInset_(dividerInset) {
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
}

void GuideList::append(Row* row) {
    row->setParent(this);
    layout()->addWidget(row);
    rows_.push_back(row);
    placeDividers();
    placeTabStop();
}

void GuideList::filter(const std::function<bool(int)>& shown) {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i]->setVisible(shown(static_cast<int>(i)));
    }
    placeDividers();
    placeTabStop();
}

std::vector<GuideList::Row*> GuideList::shownRows() const {
    std::vector<Row*> shown;
    std::copy_if(rows_.begin(), rows_.end(), std::back_inserter(shown),
                 [](const Row* row) { return !row->isHidden(); });
    return shown;
}

GuideList::Row* GuideList::tabStop() const {
    const std::vector<Row*> shown = shownRows();
    const auto at = std::find(shown.begin(), shown.end(), current_);
    const std::optional<int> chosen =
        at == shown.end() ? std::nullopt : std::optional(static_cast<int>(at - shown.begin()));
    return shown.empty() ? nullptr
                         : shown[static_cast<std::size_t>(
                               SlidingPickerRules::tabStop(chosen, static_cast<int>(shown.size())))];
}

void GuideList::setCurrent(Row* row) {
    current_ = row;
    placeTabStop();
}

void GuideList::placeTabStop() {
    const Row* stop = tabStop();
    for (Row* row : rows_) {
        row->setFocusPolicy(row == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

bool GuideList::step(Row* row, int key) {
    const std::vector<Row*> shown = shownRows();
    const auto at = std::find(shown.begin(), shown.end(), row);
    if (at == shown.end()) {
        return false;
    }
    const auto to =
        ListKeys::target(static_cast<int>(at - shown.begin()), static_cast<int>(shown.size()), key);
    if (!to) {
        return false;
    }
    shown[static_cast<std::size_t>(*to)]->setFocus(
        key == Qt::Key_Up || key == Qt::Key_PageUp || key == Qt::Key_Home ? Qt::BacktabFocusReason
                                                                          : Qt::TabFocusReason);
    return true;
}

void GuideList::placeDividers() {
    bool first = true;
    for (Row* row : rows_) {
        if (row->isHidden()) {
            continue;
        }
        row->setDivider(first ? -1 : dividerInset_);
        first = false;
    }
}
