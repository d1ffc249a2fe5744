#include "Views/Learn/InfoButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

#include "Style/Drawing/FocusRingPainter.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/SymbolIcons.h"
#include "Style/Drawing/SystemAppearance.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Views/Learn/GuideColors.h"

InfoButton::InfoButton(Term term, std::function<void()> action, QWidget* parent)
    : QAbstractButton(parent)
    , term_(term) {
    StyleAccessibility::setRole(this, QAccessible::Button);
    setFixedSize(20, 20);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setToolTip(shortText(term));
    setAccessibleName(QStringLiteral("About ") + title(term));
    setAccessibleDescription(shortText(term));
    if (action) {
        connect(this, &QAbstractButton::clicked, this, [action = std::move(action)] { action(); });
    }
}

void InfoButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool dark = SystemAppearance::current().dark;
    QColor colour = GuideColors::secondary(dark);
    if (isDown()) {
        colour = GuideColors::primary(dark);
    }
    // The symbol at the 13 pt size of its label, centred in the 20 pt hit area.
    const QRectF glyph(QPointF(3.5, 3.5), QSizeF(13, 13));
    painter.setPen(QPen(colour, 1.3));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(glyph.adjusted(0.65, 0.65, -0.65, -0.65));
    SymbolIcons::paint(painter, QStringLiteral("questionmark"), glyph.adjusted(3.6, 3.4, -3.6, -3.4), colour);
    if (hasFocus())
        FocusRingPainter::paintInside(painter, rect(), FocusRingPainter::desktopTheme(dark),
                                      FocusRingPainter::Outline::circle);
}

TermHeader::TermHeader(const QString& title, Term term, std::function<void(Term)> explain, QWidget* parent)
    : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    auto* label = new QLabel(title, this);
    label->setFont(ThemeFonts::system(12, FontWeight::semibold));
    GuideColors::setTextColour(label, GuideColors::secondary(SystemAppearance::current().dark));
    StyleAccessibility::setRole(label, QAccessible::Heading);
    row->addWidget(label, 0, Qt::AlignVCenter);
    button_ = new InfoButton(term, [explain = std::move(explain), term] {
        if (explain) {
            explain(term);
        }
    });
    row->addWidget(button_, 0, Qt::AlignVCenter);
    row->addStretch(1);
}
