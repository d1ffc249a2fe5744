#pragma once

#include <QLineEdit>

// A one-line text field that a screen reader names as the keys reach it. Reached by Tab, Qt's field
// selects its text as it takes the focus, and so tells the reader of the caret and the selection before
// it tells of the focus; Orca takes the caret's move for the focus arriving quietly and then says
// nothing when the focus comes. This field selects its text just after, once the reader knows.
class ReaderLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

  protected:
    void focusInEvent(QFocusEvent* event) override;
};
