#include "Style/Drawing/EntryAccessibility.h"

#include <QAccessibleWidget>
#include <QLineEdit>

namespace {

constexpr const char* wholeProperty = "chipwhistleEntryReadWhole";

class EntryAccessible : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface {
  public:
    explicit EntryAccessible(QLineEdit* entry)
        : QAccessibleWidget(entry, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !entry()->isReadOnly();
        state.readOnly = entry()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return entry()->displayText();
        return QAccessibleWidget::text(kind);
    }

    // The one run of attributes: the whole text, whatever offset is asked about.
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    QString text(int startOffset, int endOffset) const override {
        if (startOffset > endOffset)
            return {};
        return entry()->displayText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(entry()->displayText().size()); }
    int cursorPosition() const override { return entry()->cursorPosition(); }
    void setCursorPosition(int position) override { entry()->setCursorPosition(position); }
    int selectionCount() const override { return entry()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (index != 0 || !entry()->hasSelectedText())
            return;
        *startOffset = entry()->selectionStart();
        *endOffset = *startOffset + int(entry()->selectedText().size());
    }
    void addSelection(int startOffset, int endOffset) override {
        entry()->setSelection(startOffset, endOffset - startOffset);
    }
    void removeSelection(int index) override {
        if (index == 0)
            entry()->deselect();
    }
    void setSelection(int index, int startOffset, int endOffset) override {
        if (index == 0)
            entry()->setSelection(startOffset, endOffset - startOffset);
    }
    // The entry hands out no character boxes.
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint& point) const override {
        return entry()->cursorPositionAt(entry()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int) override { entry()->setCursorPosition(startIndex); }

    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        if (entry()->isReadOnly())
            return;
        QString now = entry()->text();
        now.replace(startOffset, endOffset - startOffset, text);
        entry()->setText(now);
        entry()->setCursorPosition(startOffset + int(text.size()));
    }

  private:
    QLineEdit* entry() const { return static_cast<QLineEdit*>(widget()); }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* entry = qobject_cast<QLineEdit*>(object);
    if (!entry || !entry->property(wholeProperty).toBool())
        return nullptr;
    return new EntryAccessible(entry);
}

} // namespace

namespace EntryAccessibility {

void readWhole(QLineEdit* entry) {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
    entry->setProperty(wholeProperty, true);
}

} // namespace EntryAccessibility
