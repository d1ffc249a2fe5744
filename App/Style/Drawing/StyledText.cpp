#include "Style/Drawing/StyledText.h"

#include <QPainter>

#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/TextPainter.h"
#include "Style/MotionStyle.h"

StyledText::StyledText(const TableTheme& theme, const QString& string, TextRole role, const RGB& colour,
                       bool rolls, QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , string_(string)
    , role_(role)
    , colour_(colour)
    , rolls_(rolls) {
    StyleAccessibility::setRole(this, QAccessible::StaticText);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(&clock_, &AnimationClock::ticked, this, qOverload<>(&QWidget::update));
    updateAccessibility();
}

void StyledText::setTheme(const TableTheme& theme) {
    theme_ = theme;
    updateAccessibility();
    updateGeometry();
    update();
}

void StyledText::setString(const QString& string) {
    if (string == string_)
        return;
    if (rolls_ && !theme_.reduceMotion && theme_.style != TableStyleID::pixel) {
        previous_ = string_;
        rolling_ = Transition{MotionStyle::numberRoll(), clock_.now(), 0, 1};
        clock_.start();
    }
    string_ = string;
    updateAccessibility();
    updateGeometry();
    update();
}

void StyledText::setColor(const RGB& colour) {
    colour_ = colour;
    update();
}

QSize StyledText::sizeHint() const {
    return TextPainter::measure(theme_, string_, role_).toSize();
}

void StyledText::setSpokenString(const std::optional<QString>& spoken) {
    spoken_ = spoken;
    updateAccessibility();
}

void StyledText::updateAccessibility() {
    StyleAccessibility::setName(this, spoken_.value_or(TextPainter::shown(theme_, string_, role_)));
}

void StyledText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF box = rect();
    if (rolling_ && rolling_->isFinished(clock_.now())) {
        rolling_.reset();
        clock_.stop();
    }
    if (!rolling_) {
        TextPainter::paint(painter, box, theme_, string_, role_, colour_);
        return;
    }
    TextPainter::paintRolling(painter, box, theme_, previous_, string_, role_, colour_,
                              rolling_->value(clock_.now()));
}
