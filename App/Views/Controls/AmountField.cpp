#include "Views/Controls/AmountField.h"

#include "Style/Drawing/StyleAccessibility.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <cmath>

#include "Style/AmountText.h"
#include "Style/Drawing/CardstockShape.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/FocusRingPainter.h"
#include "Style/Drawing/FocusRingStyle.h"
#include "Style/Drawing/PaperFont.h"
#include "Style/Drawing/PixelKit.h"
#include "Style/Drawing/TextPainter.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Style/PixelPalette.h"
#include "Style/SatinPalette.h"
#include "System/ReaderChangeEvents.h"
#include "Table/AmountEntry.h"
#include "Views/Controls/ReaderLineEdit.h"

namespace {

RGB paperInk(bool dark) {
    return dark ? RGB::bytes(243, 233, 214) : RGB::bytes(43, 43, 43);
}

// The mark of text that is not an amount: the platform's red for errors.
RGB problemRed(bool dark) {
    return dark ? RGB::bytes(255, 69, 58) : RGB::bytes(255, 59, 48);
}

QString cssColour(const RGB& colour) {
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(std::lround(colour.red * 255))
        .arg(std::lround(colour.green * 255))
        .arg(std::lround(colour.blue * 255))
        .arg(colour.alpha);
}

} // namespace

AmountField::AmountField(const TableTheme& theme, QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , edit_(new ReaderLineEdit(this)) {
    edit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit_->setPlaceholderText(QStringLiteral("Amount"));
    StyleAccessibility::setName(edit_, QStringLiteral("Raise amount"));
    edit_->installEventFilter(this);
    // The field rings its plate, round the edit.
    edit_->setProperty(FocusRingStyle::ownRingProperty, true);
    StyleAccessibility::setName(this, QStringLiteral("Raise amount"));
    setFocusProxy(edit_);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(edit_, &QLineEdit::textEdited, this, &AmountField::typed);
    connect(edit_, &QLineEdit::returnPressed, this, &AmountField::submit);
    edit_->setText(AmountText::format(value_));
    restyle();
}

void AmountField::setTheme(const TableTheme& theme) {
    theme_ = theme;
    restyle();
    updateGeometry();
    update();
}

void AmountField::setValue(std::int64_t value) {
    if (value == value_ && AmountText::parse(edit_->text()) == value)
        return;
    value_ = value;
    edit_->setText(AmountText::format(value_));
    setProblem(std::nullopt);
    update();
}

bool AmountField::isEditing() const {
    return edit_->hasFocus();
}

void AmountField::setEditing(bool editing) {
    if (editing == isEditing())
        return;
    if (editing) {
        // Sent here by a key, the player types a new amount: it replaces the shown one, as it does
        // when Tab brings them in. A reader reads the amount chosen as it meets the field.
        const ReaderChangeEvents::TakingTheKeys taking(edit_);
        edit_->setFocus(Qt::OtherFocusReason);
        edit_->selectAll();
    } else {
        edit_->clearFocus();
    }
}

void AmountField::typed() {
    setProblem(std::nullopt);
    const AmountEntry entry = AmountEntry::read(edit_->text());
    if (entry.amount && *entry.amount != value_) {
        value_ = *entry.amount;
        emit valueEdited(value_);
    }
}

void AmountField::submit() {
    const AmountEntry entry = AmountEntry::read(edit_->text());
    if (!entry.amount) {
        // The text stays for the player to mend; nothing is sent that the button did not show.
        setProblem(entry.problem);
        // Said beside the field until the next key, and to screen readers by the owner.
        QToolTip::showText(edit_->mapToGlobal(QPoint(0, edit_->height())), entry.problem, edit_);
        placeProblemTip();
        emit refused(entry.problem);
        return;
    }
    typed();
    edit_->setText(AmountText::format(value_));
    emit submitted();
}

void AmountField::placeProblemTip() {
    // Qt hangs a tip under the spot it is given, which here is the Bet/Raise button's words.
    for (QWidget* tip : QApplication::topLevelWidgets()) {
        if (tip->objectName() == QLatin1String("qtooltip_label") && tip->isVisible()) {
            // Clear of the focus ring the field shows while the player mends the text.
            const QRectF field(mapToGlobal(QPointF()), QSizeF(size()));
            tip->move(AmountEntry::problemCorner(field, tip->size()).toPoint());
        }
    }
}

void AmountField::settle() {
    const AmountEntry entry = AmountEntry::read(edit_->text());
    if (entry.amount && *entry.amount != value_) {
        value_ = *entry.amount;
        emit valueEdited(value_);
    }
    setProblem(std::nullopt);
    // Written again only when it reads otherwise: rewritten, the field drops its selection and its words
    // as the keys leave it, and a reader still on it says "Text unselected".
    if (const QString shown = AmountText::format(value_); edit_->text() != shown)
        edit_->setText(shown);
    update();
}

void AmountField::setProblem(std::optional<QString> problem) {
    if (problem == problem_)
        return;
    // The word on what was refused goes with it: here a tooltip stays up through typing otherwise.
    if (problem_ && QToolTip::isVisible() && QToolTip::text() == *problem_)
        QToolTip::hideText();
    problem_ = std::move(problem);
    edit_->setToolTip(problem_.value_or(QString()));
    restyle();
    update();
}

double AmountField::focusMargin(const TableTheme& theme) {
    return std::ceil(FocusRing::reach(theme));
}

QRectF AmountField::plate() const {
    const double margin = focusMargin(theme_);
    return QRectF(rect()).adjusted(margin, margin, -margin, -margin);
}

QSize AmountField::sizeHint() const {
    const double margin = 2 * focusMargin(theme_);
    const bool window = theme_.surface == TableSurface::window;
    return QSizeF((window ? 120 : 96) + margin, (window ? 28 : 24) + margin).toSize();
}

void AmountField::restyle() {
    const bool editing = isEditing();
    QFont font;
    QString css;
    switch (theme_.style) {
    case TableStyleID::satin: {
        font = ThemeFonts::system(theme_.surface == TableSurface::window ? 13 : 12, FontWeight::regular);
        const RGB edge = problem_ ? problemRed(theme_.dark)
                                  : (theme_.dark ? RGB::white.withAlpha(0.2) : RGB::black.withAlpha(0.2));
        css =
            QStringLiteral("QLineEdit { background: %1; color: %2; border: 1px solid %3; border-radius: 5px;"
                           " padding: 0 6px; }")
                .arg(cssColour(theme_.dark ? RGB::bytes(44, 44, 48) : RGB::white),
                     cssColour(theme_.dark ? RGB::white : RGB::black), cssColour(edge));
        break;
    }
    case TableStyleID::paper:
        font = PaperFont::font(theme_.surface == TableSurface::window ? 15 : 13, 800);
        css =
            QStringLiteral("QLineEdit { background: transparent; border: none; color: %1; padding: 0 8px; }")
                .arg(cssColour(paperInk(theme_.dark)));
        break;
    case TableStyleID::pixel: {
        font = ThemeFonts::system(theme_.surface == TableSurface::window ? 15 : 12, FontWeight::bold);
        font.setFamily(QStringLiteral("DejaVu Sans Mono"));
        // Unfocused, the field's own text is hidden and the pixel font shows the amount instead.
        const RGB ink = editing ? PixelPalette{theme_.dark, false}.darkInk() : RGB::black.withAlpha(0);
        css =
            QStringLiteral("QLineEdit { background: transparent; border: none; color: %1; padding: 0 %2px; }")
                .arg(cssColour(ink))
                .arg(std::lround(3 * theme_.pixelUnit));
        break;
    }
    }
    edit_->setFont(font);
    edit_->setStyleSheet(css);
}

void AmountField::keyPressEvent(QKeyEvent* event) {
    // The line edit lets Return pass on after it submits; the table behind must not take the same
    // press as a second action.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AmountField::resizeEvent(QResizeEvent*) {
    edit_->setGeometry(plate().toRect());
}

bool AmountField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        if (event->type() == QEvent::FocusOut)
            settle();
        restyle();
        update();
        emit editingChanged(event->type() == QEvent::FocusIn);
    }
    return QWidget::eventFilter(watched, event);
}

void AmountField::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF box = plate();
    const bool editing = isEditing();
    const bool dark = theme_.dark;
    if (theme_.style == TableStyleID::satin && editing)
        FocusRingPainter::paint(painter, box, theme_, FocusRingPainter::Outline::rounded, 5);
    if (theme_.style == TableStyleID::paper) {
        painter.setRenderHint(QPainter::Antialiasing);
        CardstockShape stock;
        stock.face = dark ? RGB::bytes(43, 51, 70) : RGB::bytes(251, 246, 234);
        stock.side = dark ? RGB::bytes(22, 27, 39) : RGB::bytes(216, 201, 168);
        stock.thickness = 2;
        stock.shadowY = 3;
        stock.shadowBlur = 5;
        stock.dark = dark;
        if (theme_.increaseContrast)
            stock.outline = paperInk(dark);
        QPainterPath shape;
        shape.addRoundedRect(box, 8, 8);
        stock.paint(painter, shape);
        // A refused amount keeps its red edge; the focus shows as the one ring.
        if (problem_) {
            QPainterPath ring;
            ring.addRoundedRect(box.adjusted(-4, -4, 4, 4), 10, 10);
            painter.strokePath(ring, QPen(toQColor(problemRed(dark)), 2));
        } else if (editing) {
            FocusRingPainter::paint(painter, box, theme_, FocusRingPainter::Outline::rounded, 8);
        }
        return;
    }
    if (theme_.style != TableStyleID::pixel)
        return;
    const double u = theme_.pixelUnit;
    const PixelKit kit(painter, u, box.topLeft());
    if (!kit.canDraw())
        return;
    const PixelPalette palette{dark, theme_.increaseContrast};
    const AmountText::PixelBox cells =
        AmountText::pixelBox(wholeCells(box.width(), u), wholeCells(box.height(), u));
    kit.fill(cells.edge, palette.outline());
    kit.fill(cells.inside, PixelPalette::cream());
    kit.fill(cells.shade, RGB::bytes(217, 201, 166));
    if (problem_) {
        painter.setPen(QPen(toQColor(problemRed(dark)), u, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(-1.5 * u, -1.5 * u, 1.5 * u, 1.5 * u));
    }
    if (editing) {
        FocusRingPainter::paint(painter, box, theme_);
        return;
    }
    const QString shown = AmountText::format(value_);
    const QSizeF size = TextPainter::pixelTextSize(PixelFontFace::label, u, shown);
    const QPointF topLeft(std::round(box.right() - 3 * u - size.width()),
                          std::round(box.center().y() - size.height() / 2));
    TextPainter::paintPixelText(painter, topLeft, PixelFontFace::label, u, shown, palette.darkInk());
}
