#include "Views/Settings/FormDropDown.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QKeyEvent>

namespace {

class DropDownAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit DropDownAccessible(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return box()->currentText();
        return QAccessibleWidget::text(kind);
    }

    // The list it opens is its own window, read by Qt as it shows; closed, the drop-down is one element.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }
    void doAction(const QString& name) override {
        if (name == showMenuAction() && box()->isEnabled())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(name);
    }

    // The chosen option, read as text without a caret or a selection.
    QString text(int startOffset, int endOffset) const override {
        const QString shown = box()->currentText();
        if (startOffset < 0 || endOffset < startOffset || startOffset > shown.size())
            return {};
        return shown.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(box()->currentText().size()); }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

  private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* box = qobject_cast<FormDropDown*>(object);
    return box ? new DropDownAccessible(box) : nullptr;
}

} // namespace

FormDropDown::FormDropDown(const QStringList& options, QWidget* parent)
    : QComboBox(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
    addItems(options);
}

void FormDropDown::keyPressEvent(QKeyEvent* event) {
    const int before = currentIndex();
    QComboBox::keyPressEvent(event);
    // Chosen in the open list, the option was read there as the player moved to it.
    if (currentIndex() != before && !view()->isVisible())
        emit steppedTo(currentText());
}
