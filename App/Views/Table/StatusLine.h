#pragma once

#include <QWidget>

#include "Style/TableTheme.h"

class StyledText;

// One quiet line in the action bar's place while the player waits ("Goldie is thinking…"), centred
// in the room it is given.
class StatusLine : public QWidget {
    Q_OBJECT
  public:
    StatusLine(const TableTheme& theme, const QString& text, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    void setText(const QString& text);
    QString text() const;

  private:
    TableTheme theme_;
    StyledText* line_;
};
