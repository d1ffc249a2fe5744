#include "Learn/GuideShell.h"

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
