#pragma once

#include <QWidget>

#include "Style/Drawing/SatinPanel.h"

// The guide's lists (rankings, glossary): rows stacked on the shared panel look, a divider above every
// shown row but the first, inset on its leading side.
class GuideList : public SatinPanel {
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

    GuideList(const TableTheme& theme, double dividerInset, QWidget* parent = nullptr);

    void append(Row* row);
    // Shows the rows `shown` says and puts the dividers between them.
    void filter(const std::function<bool(int)>& shown);
    const std::vector<Row*>& rows() const { return rows_; }

  private:
    void placeDividers();

    double dividerInset_;
    std::vector<Row*> rows_;
};
