#include "Views/Learn/BasicsTab.h"

#include <cmath>

#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "Learn/BasicsPaging.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/SystemAppearance.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Learn/BasicsArt.h"
#include "Views/Learn/GuideColors.h"
#include "Views/Learn/MarkdownLabel.h"
#include "Views/Support/Announcer.h"
#include "Views/Support/DialogKeys.h"
#include "Views/Support/FocusedButton.h"
#include "Views/Support/LeavingPicture.h"

// Six dots, the current page's filled; one element for a reader, "Page n of 6".
class BasicsPageDots : public QWidget {
  public:
    explicit BasicsPageDots(QWidget* parent)
        : QWidget(parent) {
        StyleAccessibility::setRole(this, QAccessible::StaticText);
        setFixedSize(basicsPageCount * 6 + (basicsPageCount - 1) * 6, 6);
    }
    void setPage(int page) {
        page_ = page;
        setAccessibleName(BasicsPaging::dotsLabel(page));
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        const bool dark = SystemAppearance::current().dark;
        for (int i = 0; i < basicsPageCount; ++i) {
            painter.setBrush(i == page_ ? GuideColors::primary(dark)
                                        : GuideColors::faded(GuideColors::secondary(dark), 0.4));
            painter.drawEllipse(QRectF(i * 12, 0, 6, 6));
        }
    }

  private:
    int page_ = 0;
};

BasicsTab::BasicsTab(const TableTheme& art, const TableTheme& theme, int page, Options options,
                     Announcer* announcer, QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , options_(std::move(options))
    , announcer_(announcer) {
    const bool dark = SystemAppearance::current().dark;
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);

    art_ = new BasicsArt(art, BasicsPage::goal, this);
    art_->setFixedHeight(options_.compact ? 140 : 180);
    stack->addWidget(art_);

    text_ = new QWidget(this);
    auto* words = new QVBoxLayout(text_);
    words->setContentsMargins(4, 14, 4, 0);
    words->setSpacing(0);
    count_ = new QLabel(text_);
    count_->setFont(ThemeFonts::system(11, FontWeight::semibold));
    GuideColors::setTextColour(count_, GuideColors::secondary(dark));
    StyleAccessibility::setHidden(count_);
    words->addWidget(count_);
    title_ = new QLabel(text_);
    title_->setFont(ThemeFonts::system(17, FontWeight::semibold));
    title_->setContentsMargins(0, 3, 0, 0);
    GuideColors::setTextColour(title_, GuideColors::primary(dark));
    StyleAccessibility::setRole(title_, QAccessible::Heading);
    words->addWidget(title_);
    body_ = new MarkdownLabel({}, text_);
    body_->setFont(ThemeFonts::system(13, FontWeight::regular));
    body_->setContentsMargins(0, 6, 0, 0);
    body_->setLineSpacing(2);
    GuideColors::setTextColour(body_, GuideColors::secondary(dark));
    words->addWidget(body_);
    // The effect is on only while a page fades in: at rest the text draws directly.
    fade_ = new QGraphicsOpacityEffect(text_);
    fade_->setOpacity(1);
    fade_->setEnabled(false);
    text_->setGraphicsEffect(fade_);
    stack->addWidget(text_);
    stack->addStretch(1);
    stack->addSpacing(10);

    auto* row = new QHBoxLayout;
    // In the narrow sidebar the buttons' shadow rooms make the gap, so the widest title still fits.
    row->setSpacing(options_.compact ? 0 : 10);
    dots_ = new BasicsPageDots(this);
    row->addWidget(dots_, 0, Qt::AlignVCenter);
    row->addStretch(1);
    back_ = new StyledButton(
        theme_, QStringLiteral("Back"), ControlKind::secondary(), ControlSize::small, std::nullopt,
        [this] { go(page_ - 1); }, this);
    row->addWidget(back_);
    forward_ = new StyledButton(
        theme_, QStringLiteral("Next"), ControlKind::confirm(), ControlSize::small, std::nullopt,
        [this] { pressForward(); }, this);
    row->addWidget(forward_);
    stack->addLayout(row);
    if (options_.keyboard) {
        // A focused "Back" takes Return as it takes Space.
        DialogKeys::bindDefault(this, [this] { FocusedButton::pressOr(this, forward_); });
    }

    connect(&clock_, &AnimationClock::ticked, this, [this] {
        const double now = clock_.now();
        const double shown = fading_.value(now);
        fade_->setOpacity(shown);
        if (leaving_) {
            leaving_->setOpacity(1 - shown);
        }
        if (fading_.isFinished(now)) {
            settle();
        }
    });
    display(page);
}

void BasicsTab::settle() {
    clock_.stop();
    fade_->setOpacity(1);
    fade_->setEnabled(false);
    delete leaving_;
    leaving_ = nullptr;
}

void BasicsTab::setPage(int page) {
    settle();
    display(page);
}

void BasicsTab::go(int page) {
    const int from = page_;
    // The words of the page being left fade out from a picture of them, over the new ones fading in.
    QPixmap words = text_->grab();
    settle();
    if (isVisible()) {
        leaving_ = new LeavingPicture(std::move(words), this);
        leaving_->setGeometry(text_->geometry());
        leaving_->show();
        leaving_->raise();
    }
    fading_ = Transition{BasicsPaging::pageChange(theme_.reduceMotion), clock_.now(), 0, 1};
    fade_->setOpacity(0);
    fade_->setEnabled(true);
    clock_.start();
    display(page);
    if (const auto words = BasicsPaging::announcement(from, page, static_cast<bool>(options_.playPractice));
        words && announcer_) {
        announcer_->announce(*words);
    }
}

void BasicsTab::readPage() {
    if (const auto words = BasicsPaging::reading(page_); words && announcer_) {
        announcer_->announce(*words);
    }
}

void BasicsTab::display(int page) {
    page_ = page;
    const BasicsPage shown = BasicsPaging::pageInUse(page);
    art_->setPage(shown);
    count_->setText(BasicsPaging::pageCount(rawValue(shown)));
    title_->setText(title(shown));
    body_->setMarkdown(body(shown));
    dots_->setPage(page);

    const auto back = BasicsPaging::back(page, options_.compact);
    back_->setVisible(back.has_value());
    if (back) {
        back_->setFixedWidth(
            static_cast<int>(std::ceil(BasicsPaging::drawnWidth(*back, back_->sizeHint().width()))));
    }
    const auto forward =
        BasicsPaging::forward(page, static_cast<bool>(options_.playPractice), options_.compact);
    forward_->setTitle(forward.title);
    forward_->setFixedWidth(
        static_cast<int>(std::ceil(BasicsPaging::drawnWidth(forward, forward_->sizeHint().width()))));
    forward_->setToolTip(forward.does == BasicsPaging::Press::practice ? BasicsPaging::practiceHelp()
                                                                       : QString());
    emit pageChanged(page_);
}

void BasicsTab::pressForward() {
    switch (BasicsPaging::forward(page_, static_cast<bool>(options_.playPractice), options_.compact).does) {
    case BasicsPaging::Press::practice:
        options_.playPractice();
        break;
    case BasicsPaging::Press::rankings:
        if (options_.onFinish) {
            options_.onFinish();
        }
        break;
    default:
        go(page_ + 1);
        break;
    }
}
