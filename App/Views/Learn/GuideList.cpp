#include "Views/Learn/GuideList.h"

#include <QChildEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "Style/Drawing/Colors.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/SystemAppearance.h"
#include "Style/Ornaments.h"

GuideList::Row::Row(QWidget* parent)
    : QWidget(parent) {
    StyleAccessibility::setRole(this, QAccessible::ListItem);
}

void GuideList::Row::speak(const QString& words) {
    setAccessibleName(words);
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
    if (divider_ < 0) {
        return;
    }
    QPainter painter(this);
    const QColor line = toQColor(SatinPanelColors::border(SystemAppearance::current().dark));
    painter.fillRect(QRectF(divider_, 0, width() - divider_, 1), line);
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
}

void GuideList::filter(const std::function<bool(int)>& shown) {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i]->setVisible(shown(static_cast<int>(i)));
    }
    placeDividers();
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
