#pragma once

#include <QComboBox>

// A drop-down of the Settings form as a screen reader should hear it: its title as its name and the
// chosen option as its text, so a reader speaks both as the focus comes to it ("Bot speed, combo box,
// Normal"). Qt's own drop-down names itself by the title it is given and offers its option only as a
// selection in its list, which the desktop's accessibility bridge of this Qt does not carry, so a reader
// heard the title alone. A change the player makes is spoken by the form.
class FormDropDown : public QComboBox {
    Q_OBJECT
  public:
    explicit FormDropDown(const QStringList& options, QWidget* parent = nullptr);

  signals:
    // The arrow keys chose `option` on the closed drop-down, where a reader is told of nothing else.
    void steppedTo(const QString& option);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};
