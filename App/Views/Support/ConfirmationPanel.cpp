#include "Views/Support/ConfirmationPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QShortcut>
#include <QVBoxLayout>

#include "Style/Drawing/ArtStage.h"
#include "Style/Drawing/ArtView.h"
#include "Style/Drawing/SatinPanel.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/LabelColors.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Home/LobbyWidgets.h"
#include "Views/Table/ChipStackView.h"

ConfirmationPanel::ConfirmationPanel(const TableTheme& look, const TableTheme& art, const QString& title,
                                     const QString& message, Answer safe, std::optional<Answer> destructive,
                                     QWidget* parent)
    : QWidget(parent)
    , look_(look) {
    StyleAccessibility::setRole(this, QAccessible::Dialog);
    setAccessibleName(title);
    const QMargins room = SatinPanel::shadowMargins();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(room.left() + 16, room.top() + 16, room.right() + 16, room.bottom() + 16);
    column->setSpacing(12);
    auto* top = new QHBoxLayout;
    top->setSpacing(14);
    auto* picture = new ArtView(
        [art](QPainter& painter, const QRectF& rect) {
            QPainterPath clip;
            clip.addRoundedRect(rect, 12, 12);
            painter.setClipPath(clip);
            ArtStage::paint(painter, rect, art, 0.82);
            const QSizeF chips = ChipStackView::size(2000, art);
            ChipStackView::paint(painter, rect.center() + QPointF(-chips.width() / 2, 8 - chips.height() / 2),
                                 art, 2000, false);
        },
        this);
    picture->setFixedSize(64, 64);
    top->addWidget(picture, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    const bool dark = look.dark;
    auto* heading = LobbyWidgets::label(title, 15, FontWeight::semibold, LabelColors::primary(dark), this);
    heading->setWordWrap(true);
    texts->addWidget(heading);
    if (!message.isEmpty()) {
        auto* body = LobbyWidgets::label(message, 12, FontWeight::regular,
                                         LabelColors::secondary(dark, look.increaseContrast), this);
        body->setWordWrap(true);
        texts->addWidget(body);
    }
    texts->addStretch(1);
    top->addLayout(texts, 1);
    column->addLayout(top);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    dismiss_ = new StyledButton(look, safe.title, ControlKind::secondary(), ControlSize::small, std::nullopt,
                                safe.action, this);
    dismiss_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    buttons->addWidget(dismiss_);
    if (destructive) {
        confirm_ = new StyledButton(look, destructive->title, ControlKind::danger(), ControlSize::small,
                                    std::nullopt, std::move(destructive->action), this);
        confirm_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        buttons->addWidget(confirm_);
    }
    column->addLayout(buttons);
    // The only Escape of the window while the card shows (what it covers takes no keys meanwhile).
    new QShortcut(QKeySequence(Qt::Key_Escape), this, std::move(safe.action));
}

void ConfirmationPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF card = QRectF(rect()).marginsRemoved(SatinPanel::shadowMargins());
    SatinPanel::paint(painter, card, look_, look_.dark, false, 14);
}
