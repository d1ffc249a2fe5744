#pragma once

#include <QWidget>

#include <functional>
#include <vector>

// The guide's lists (rankings, glossary): rows stacked one under another, a divider above every shown
// row but the first, inset on its leading side. The screens set it on the shared panel look.
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

      private:
        // The divider's leading inset; negative for none.
        double divider_ = -1;
    };

    explicit GuideList(double dividerInset, QWidget* parent = nullptr);

    void append(Row* row);
    // Shows the rows `shown` says and puts the dividers between them.
    void filter(const std::function<bool(int)>& shown);
    const std::vector<Row*>& rows() const { return rows_; }

  private:
    void placeDividers();

    double dividerInset_;
    std::vector<Row*> rows_;
};
