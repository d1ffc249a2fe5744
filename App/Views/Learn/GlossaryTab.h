#pragma once

#include <optional>

#include <QWidget>

#include "Learn/Term.h"
#include "Style/TableTheme.h"
#include "Views/Controls/TypedText.h"

class Announcer;
class GuideList;
class QLabel;
class QLineEdit;
class QScrollArea;

// The Glossary tab: a search field over the thirty terms and, below it, the matching terms alphabetically,
// each with its full explanation. Opened on a term, that row is highlighted and scrolled to the top. Each
// change of the search is announced with the number of matches.
class GlossaryTab : public QWidget {
    Q_OBJECT
  public:
    // `announcer` may be null.
    GlossaryTab(const TableTheme& theme, std::optional<Term> focused, Announcer* announcer,
                QWidget* parent = nullptr);

    QLineEdit* searchField() const { return search_; }
    // The terms listed now, in order.
    std::vector<Term> shownTerms() const;
    bool showsNoMatches() const;
    // The row of a term.
    QWidget* row(Term term) const;
    QScrollArea* scrollArea() const { return scroll_; }
    // The search typed on the tab this one replaces, caret and selection with it, taken back without a
    // word.
    void restoreSearch(const TypedText& typed);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void searchChanged(const QString& text);

    std::optional<Term> focused_;
    Announcer* announcer_;
    QLineEdit* search_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    GuideList* list_ = nullptr;
    QLabel* noMatches_ = nullptr;
    QWidget* panel_ = nullptr;
    bool scrolled_ = false;
    // How many terms the list shows, as last announced.
    std::size_t matchCount_;
};
