#pragma once

#include <QPointer>
#include <QWidget>

// Moves the keyboard onto the first control of a sheet, notice or panel as it opens, and gives it
// back to what held it when it closes, so the next Tab goes on from there and not from the top.
class FocusReturn {
  public:
    // Remembers what holds the keyboard in `scope`'s window now, before the layer opens.
    void remember(const QWidget* scope);
    // Gives the keyboard back to what was remembered when it is still on screen and takes keys, else
    // to `fallback`; forgets it either way.
    void restore(QWidget* fallback);
    // What it gives the keyboard back to; a screen that builds its controls anew hands over their likes.
    QWidget* held() const { return held_; }
    void hold(QWidget* widget) { held_ = widget; }

    // The first control of `scope` in Tab order, or `scope` itself when it has none.
    static QWidget* firstControl(QWidget* scope);
    // Where `widget` stands among `scope`'s controls in Tab order (-1 when it is none of them), and the
    // control standing there: a form built anew the same way has its like at the same place.
    static int placeOf(const QWidget* scope, const QWidget* widget);
    static QWidget* controlAt(const QWidget* scope, int place);
    // Puts the keyboard on the first control of `opened`, with its focus ring showing.
    static void enter(QWidget* opened);

  private:
    QPointer<QWidget> held_;
};
