#include "Learn/BasicsPaging.h"

#include "Learn/MarkdownText.h"
#include "Style/MotionStyle.h"
#include "Style/SpokenSentences.h"
#include "Style/SpokenTitle.h"

#include <algorithm>

namespace BasicsPaging {

namespace {
constexpr int lastPage = basicsPageCount - 1;
}

BasicsPage pageInUse(int page) {
    return basicsPageFromRawValue(page).value_or(BasicsPage::goal);
}

QString pageCount(int page) {
    return QStringLiteral("%1 of %2").arg(page + 1).arg(basicsPageCount).toUpper();
}

QString dotsLabel(int page) {
    return QStringLiteral("Page %1 of %2").arg(page + 1).arg(basicsPageCount);
}

std::optional<QString> reading(int page) {
    const auto shown = basicsPageFromRawValue(page);
    if (!shown) {
        return std::nullopt;
    }
    return SpokenSentences::join({dotsLabel(page), title(*shown), MarkdownText(body(*shown)).plain()});
}

std::optional<QString> announcement(int from, int to, bool canPractise) {
    const auto words = reading(to);
    if (!words) {
        return std::nullopt;
    }
    const QString before = forward(from, canPractise, false).spokenTitle();
    const QString now = forward(to, canPractise, false).spokenTitle();
    if (before == now) {
        return words;
    }
    return SpokenSentences::join({*words, before + QStringLiteral(" is now ") + now + QLatin1Char('.')});
}

QString Button::spokenTitle() const {
    return SpokenTitle::of(title);
}

AnimationCurve pageChange(bool reduceMotion) {
    return reduceMotion ? MotionStyle::reducedFade() : AnimationCurve::easeInOut(0.2);
}

Button forward(int page, bool canPractise, bool compact) {
    if (page == lastPage && canPractise) {
        return {QStringLiteral("Play a Practice Hand"), Press::practice, 160};
    }
    const double width = compact ? 84 : 100;
    if (page == lastPage) {
        return {QStringLiteral("Rankings \u203A"), Press::rankings, width};
    }
    return {QStringLiteral("Next"), Press::next, width};
}

std::optional<Button> back(int page, bool compact) {
    if (page < 1) {
        return std::nullopt;
    }
    return Button{QStringLiteral("Back"), Press::back, compact ? 64.0 : 80.0};
}

double drawnWidth(const Button& button, double titleWidth) {
    return std::max(button.width, titleWidth);
}

QString practiceHelp() {
    return QStringLiteral("One free hand against Biscuit, explained step by step");
}

} // namespace BasicsPaging
