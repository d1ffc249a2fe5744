#pragma once

#include <QLineEdit>

// The program's one-line text field, as a screen reader should meet it. Reached by Tab, Qt's field
// selects its text as it takes the focus, and so tells the reader of the caret and the selection before
// it tells of the focus; Orca takes the caret's move for the focus arriving quietly and then says
// nothing when the focus comes. This field selects its text just after, once the reader knows; text
// put in it meanwhile (a tab rebuilt round the keys gets its typing back) stays as it was put. As on the
// rest of the desktop, only the field with the keys shows a selection: it drops it as they leave,
// and readers hear of a selection only from the field they are on, and not when typing replaces it (see
// ReaderChangeEvents). Its text is read whole, as one run (see EntryAccessibility).
class ReaderLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit ReaderLineEdit(QWidget* parent = nullptr);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};
