#include "Learn/GuideShell.h"

#include "Learn/GlossarySearch.h"
#include "Style/SpokenSentences.h"

#include <algorithm>

namespace GuideShell {

QString tabTitle(GuideTab tab) {
    switch (tab) {
    case GuideTab::basics:
        return QStringLiteral("Basics");
    case GuideTab::rankings:
        return QStringLiteral("Rankings");
    case GuideTab::starters:
        return QStringLiteral("Starters");
    case GuideTab::glossary:
        break;
    }
    return QStringLiteral("Glossary");
}

QString pickerTitle() {
    return QStringLiteral("Poker Basics section");
}

QString rankingsIntro() {
    return QStringLiteral("Best first. You make the best five cards you can from your two and the five on "
                          "the board. Suits never break a tie.");
}

QString startersRuleTitle() {
    return QStringLiteral("Rule of thumb");
}

QString startersRule() {
    return QStringLiteral("Play pairs, two high cards (A, K, Q, J, 10), and an ace with a card of the same "
                          "suit. Fold most of the rest, and play fewer hands when more players are left to "
                          "act after you.");
}

QString tabReading(GuideTab tab, const QString& search) {
    switch (tab) {
    case GuideTab::basics:
        return {};
    case GuideTab::rankings:
        return rankingsIntro();
    case GuideTab::starters:
        return SpokenSentences::join({startersRuleTitle(), startersRule()});
    case GuideTab::glossary:
        break;
    }
    return GlossarySearch::reading(search);
}

double padding(bool sidebar) {
    return sidebar ? 14 : 18;
}

double pickerWidth(double guideWidth, bool sidebar) {
    return std::max(0.0, guideWidth - 2 * padding(sidebar));
}

ReturnPress onReturn(bool sidebar, GuideTab tab, FocusOn focus) {
    if (focus == FocusOn::button) {
        return ReturnPress::focusedButton;
    }
    return !sidebar && tab == GuideTab::basics ? ReturnPress::basicsForward : ReturnPress::nothing;
}

} // namespace GuideShell
