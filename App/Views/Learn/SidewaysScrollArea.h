#pragma once

#include <QScrollArea>

// Holds a widget whose height follows its width, such as the starting-hands chart, and lets it be wider
// than the room it is given: it then scrolls sideways, and is as tall as the widget and the bar under
// it. It never scrolls up and down, so a wheel turned that way goes on to whatever holds it.
class SidewaysScrollArea : public QScrollArea {
    Q_OBJECT
  public:
    explicit SidewaysScrollArea(QWidget* content, QWidget* parent = nullptr);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};
