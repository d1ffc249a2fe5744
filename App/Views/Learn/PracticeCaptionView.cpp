#include "Views/Learn/PracticeCaptionView.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QShortcut>
#include <QVBoxLayout>

#include "Learn/LearnMetrics.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/StyledText.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Learn/MarkdownLabel.h"
#include "Views/Support/Announcer.h"
#include "Views/Support/DialogKeys.h"
#include "Views/Support/FocusedButton.h"

PracticeCaptionView::PracticeCaptionView(const TableTheme& theme, const PracticeCaption& caption,
                                         Actions actions, Announcer* announcer, QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , caption_(caption)
    , actions_(std::move(actions))
    , announcer_(announcer) {
    content_ = new QWidget(this);
    auto* stack = new QVBoxLayout(content_);
    stack->setSpacing(5);
    stack->setContentsMargins(0, 0, 0, 0);
    stepLabel_ = new StyledText(theme_, {}, TextRole::tag, theme_.color(PaletteToken::ink2), false, this);
    stack->addWidget(stepLabel_, 0, Qt::AlignHCenter);
    title_ =
        new StyledText(theme_, {}, TextRole::showdownAward, theme_.color(PaletteToken::ink), false, this);
    StyleAccessibility::setRole(title_, QAccessible::Heading);
    stack->addWidget(title_, 0, Qt::AlignHCenter);
    body_ = new MarkdownLabel({}, this);
    body_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // Centred by stretches rather than an alignment, so the layout asks the label its height for its width.
    auto* bodyRow = new QHBoxLayout;
    bodyRow->addStretch(1);
    bodyRow->addWidget(body_);
    bodyRow->addStretch(1);
    stack->addLayout(bodyRow);

    buttonRow_ = new QWidget(this);
    auto* row = new QHBoxLayout(buttonRow_);
    row->setContentsMargins(0, 3, 0, 0);
    row->setSpacing(10);
    const auto make = [this, row](const QString& title, ControlKind kind,
                                  const std::function<void()>& action) {
        auto* button = new StyledButton(
            theme_, title, kind, ControlSize::small, std::nullopt,
            [action] {
                if (action) {
                    action();
                }
            },
            buttonRow_);
        row->addWidget(button);
        return button;
    };
    gotIt_ = make(QStringLiteral("Got It"), ControlKind::confirm(), actions_.gotIt);
    home_ = make(QStringLiteral("Home"), ControlKind::secondary(), actions_.home);
    tryAgain_ = make(QStringLiteral("Try Again"), ControlKind::confirm(), actions_.tryAgain);
    stack->addWidget(buttonRow_, 0, Qt::AlignHCenter);

    // Return presses the focused button, else the card's confirming one; Escape is "Home" after a fold,
    // and before one it is left to the window (the popover closes on it).
    DialogKeys::bindDefault(this, [this] { FocusedButton::pressOr(this, confirming()); });
    cancel_ = DialogKeys::bindCancel(this, [this] { home_->click(); });
    rebuild();
}

void PracticeCaptionView::setTheme(const TableTheme& theme) {
    theme_ = theme;
    for (StyledButton* button : {gotIt_, home_, tryAgain_}) {
        button->setTheme(theme_);
    }
    stepLabel_->setTheme(theme_);
    stepLabel_->setColor(theme_.color(PaletteToken::ink2));
    title_->setTheme(theme_);
    title_->setColor(theme_.color(PaletteToken::ink));
    rebuild();
}

void PracticeCaptionView::setCaption(const PracticeCaption& caption) {
    caption_ = caption;
    rebuild();
    if (isVisible()) {
        announceIfNew();
    }
}

std::vector<StyledButton*> PracticeCaptionView::buttons() const {
    if (std::holds_alternative<PracticeCaption::Folded>(caption_.kind)) {
        return {home_, tryAgain_};
    }
    return {gotIt_};
}

void PracticeCaptionView::rebuild() {
    const bool hadKeys = isAncestorOf(QApplication::focusWidget());
    const PracticeCaptionMetrics metrics = PracticeCaptionMetrics::of(theme_);
    const auto step = caption_.stepLabel();
    stepLabel_->setString(step.value_or(QString()));
    stepLabel_->setVisible(step.has_value());
    title_->setString(caption_.title);
    body_->setMarkdown(caption_.body);
    body_->setFont(ThemeFonts::system(metrics.bodySize, FontWeight::regular));
    QPalette palette = body_->palette();
    palette.setColor(QPalette::WindowText, toQColor(theme_.color(PaletteToken::ink2)));
    body_->setPalette(palette);
    const bool folded = std::holds_alternative<PracticeCaption::Folded>(caption_.kind);
    gotIt_->setVisible(!folded);
    home_->setVisible(folded);
    tryAgain_->setVisible(folded);
    cancel_->setEnabled(folded);
    for (StyledButton* button : {gotIt_, home_, tryAgain_}) {
        button->setFixedWidth(static_cast<int>(metrics.buttonWidth));
    }
    // A button that held the keys and is gone hands them to the one Return presses now.
    if (hadKeys && !isAncestorOf(QApplication::focusWidget())) {
        takeKeys();
    }
    placeContent();
}

void PracticeCaptionView::takeKeys() {
    confirming()->setFocus(Qt::OtherFocusReason);
}

StyledButton* PracticeCaptionView::confirming() const {
    return std::holds_alternative<PracticeCaption::Folded>(caption_.kind) ? tryAgain_ : gotIt_;
}

void PracticeCaptionView::placeContent() {
    // Measured afresh at the card's width: the body's width or text may have just changed.
    QLayout* stack = content_->layout();
    for (QLayout* row : stack->findChildren<QLayout*>()) {
        row->invalidate();
    }
    stack->invalidate();
    const int wanted =
        stack->hasHeightForWidth() ? stack->totalHeightForWidth(width()) : stack->totalSizeHint().height();
    const int shown = std::min(wanted, height());
    content_->setGeometry(0, static_cast<int>(PracticeCaptionMetrics::contentTop(height(), shown)), width(),
                          shown);
}

QSize PracticeCaptionView::sizeHint() const {
    return content_->sizeHint();
}

QSize PracticeCaptionView::minimumSizeHint() const {
    return content_->minimumSizeHint();
}

QString PracticeCaptionView::identity(const PracticeCaption& caption) {
    return std::holds_alternative<PracticeCaption::Folded>(caption.kind) ? QStringLiteral("folded")
                                                                         : caption.title;
}

void PracticeCaptionView::announceIfNew() {
    if (announced_ == identity(caption_)) {
        return;
    }
    announced_ = identity(caption_);
    if (speaker_) {
        speaker_(caption_.announcement());
    } else if (announcer_) {
        announcer_->announce(caption_.announcement());
    }
}

void PracticeCaptionView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    announceIfNew();
    // A speaker says the words later, and its owner gives the keys once it has.
    if (!speaker_) {
        takeKeys();
    }
}

void PracticeCaptionView::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Shown again later, the card is a new appearance and speaks again.
    announced_.clear();
}

void PracticeCaptionView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The body wraps within its column and grows downwards; it never widens the card.
    body_->setFixedWidth(std::min(width(), static_cast<int>(PracticeCaptionMetrics::maxBodyWidth)));
    placeContent();
}
