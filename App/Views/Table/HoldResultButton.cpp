#include "Views/Table/HoldResultButton.h"

#include "Style/Drawing/Colors.h"
#include "Style/Drawing/FocusRingPainter.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/TextPainter.h"
#include "Views/Controls/ButtonFaces.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

const QString caption = QStringLiteral("Click the result to keep it up");
// 5 points left and right and 3 above and below the words, and round them the room the focus ring is
// drawn in.
const QMarginsF padding(5, 3, 5, 3);
constexpr double ringRoom = 2;

} // namespace

HoldResultButton::HoldResultButton(const TableTheme& theme, QWidget* parent)
    : QAbstractButton(parent)
    , theme_(theme) {
    // The caption is painted, not set as the button's text: Qt would tell the reader of that text as
    // a second name.
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Keep this result up until you deal"));
    StyleAccessibility::setName(this, QStringLiteral("Keep this result up"));
    StyleAccessibility::setRole(this, QAccessible::Button);
}

void HoldResultButton::setTheme(const TableTheme& theme) {
    theme_ = theme;
    updateGeometry();
    update();
}

QSize HoldResultButton::sizeHint() const {
    const QSizeF words = TextPainter::measure(theme_, caption, TextRole::caption);
    return QSize(
        static_cast<int>(std::ceil(words.width() + padding.left() + padding.right() + 2 * ringRoom)),
        static_cast<int>(std::ceil(words.height() + padding.top() + padding.bottom() + 2 * ringRoom)));
}

QRectF HoldResultButton::captionRect() const {
    return QRectF(rect()).adjusted(ringRoom, ringRoom, -ringRoom, -ringRoom);
}

void HoldResultButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF box = captionRect();
    TextPainter::paint(painter, box.marginsRemoved(padding), theme_, caption, TextRole::caption,
                       theme_.color(PaletteToken::ink2));
    if (hasFocus())
        FocusRingPainter::paintInside(painter, rect(), theme_, FocusRingPainter::Outline::rounded, 6);
}

void HoldResultButton::keyPressEvent(QKeyEvent* event) {
    if (!ButtonFaces::pressOnReturn(*this, *event)) {
        QAbstractButton::keyPressEvent(event);
    }
}
