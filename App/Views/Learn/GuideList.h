#pragma once

#include <QWidget>

#include <functional>
#include <vector>

// The guide's lists (rankings, glossary): rows stacked one under another, a divider above every shown
// row but the first, inset on its leading side. The screens set it on the shared panel look. The list is
// one Tab stop, its current row, and the keys move from row to row, so a reader hears each row whole.
class GuideList : public QWidget {
    Q_OBJECT
  public:
    // A row speaks as one element; the words inside it are not read separately.
    class Row : public QWidget {
      public:
        explicit Row(QWidget* parent = nullptr);
        void speak(const QString& words);
        void setDivider(double inset);
        bool hasDivider() const { return divider_ >= 0; }

      protected:
        void paintEvent(QPaintEvent* event) override;
        void childEvent(QChildEvent* event) override;
        void keyPressEvent(QKeyEvent* event) override;
        void focusInEvent(QFocusEvent* event) override;
        void focusOutEvent(QFocusEvent* event) override;

      private:
        // The divider's leading inset; negative for none.
        double divider_ = -1;
    };

    explicit GuideList(double dividerInset, QWidget* parent = nullptr);

    void append(Row* row);
    // Shows the rows `shown` says and puts the dividers between them.
    void filter(const std::function<bool(int)>& shown);
    const std::vector<Row*>& rows() const { return rows_; }
    // The row Tab reaches: the one last focused while it shows, else the first shown.
    Row* tabStop() const;
    // Makes `row` the one Tab reaches.
    void setCurrent(Row* row);

  private:
    void placeDividers();
    void placeTabStop();
    std::vector<Row*> shownRows() const;
    // Moves the focus as `key` asks from `row`; false for a key that does not move through the list.
    bool step(Row* row, int key);

    double dividerInset_;
    std::vector<Row*> rows_;
    Row* current_ = nullptr;
};
