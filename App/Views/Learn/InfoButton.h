#pragma once

#include <QAbstractButton>

#include "Learn/Term.h"

// The small question-mark button beside a poker word: pressing it asks the screen to explain the term.
// Its tooltip and spoken hint are the term's one-line definition.
class InfoButton : public QAbstractButton {
    Q_OBJECT
  public:
    InfoButton(Term term, std::function<void()> action, QWidget* parent = nullptr);

    Term term() const { return term_; }
    QSize sizeHint() const override { return {20, 20}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Term term_;
};

// A section header: a small title and the term's question-mark button.
class TermHeader : public QWidget {
    Q_OBJECT
  public:
    TermHeader(const QString& title, Term term, std::function<void(Term)> explain, QWidget* parent = nullptr);

    InfoButton* button() const { return button_; }

  private:
    InfoButton* button_;
};
