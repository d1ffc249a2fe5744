#include "Views/Table/ActionLogView.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

#include "GameController.h"
#include "Learn/ListKeys.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/TextPainter.h"
#include "Style/FocusRing.h"
#include "Views/Support/Announcer.h"
#include "Views/Table/FocusFrame.h"
#include "Views/Table/LogRows.h"

namespace {

constexpr double scrollSeconds = 0.2;

constexpr double headerInset = 12;

} // namespace

// "Hand 12" over the paper and pixel logs, on a solid band in pixel; satin has none.
class ActionLogView::Header : public QWidget {
  public:
    explicit Header(QWidget* parent)
        : QWidget(parent) {
        StyleAccessibility::setRole(this, QAccessible::Heading);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

    void set(const TableTheme& theme, const QString& text) {
        theme_ = theme;
        text_ = text;
        StyleAccessibility::setName(this, text);
        setVisible(theme.style != TableStyleID::satin);
        updateGeometry();
        update();
    }
    const QString& text() const { return text_; }

    QSize sizeHint() const override {
        const QSizeF size = TextPainter::measure(theme_, text_, TextRole::title);
        return QSizeF(size.width() + 2 * headerInset, size.height() + 2 * headerInset).toSize();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (theme_.style == TableStyleID::pixel)
            painter.fillRect(rect(),
                             toQColor(theme_.dark ? RGB::bytes(62, 44, 74) : RGB::bytes(227, 207, 168)));
        TextPainter::paint(
            painter, QRectF(rect()).adjusted(headerInset, headerInset, -headerInset, -headerInset), theme_,
            text_, TextRole::title, theme_.color(PaletteToken::ink), Qt::AlignLeft | Qt::AlignVCenter);
    }

  private:
    TableTheme theme_;
    QString text_;
};

ActionLogView::ActionLogView(const TableTheme& theme, GameController* controller, Announcer* announcer,
                             QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , controller_(controller)
    , announcer_(announcer)
    , header_(new Header(this))
    , scroll_(new QScrollArea(this))
    , content_(new QWidget)
    , column_(new QVBoxLayout(content_))
    , focusFrame_(new FocusFrame(theme, this)) {
    // Unnamed: a reader entering the log hears the list, not a name the panel never shows.
    StyleAccessibility::setRole(this, QAccessible::Grouping);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header_);
    layout->addWidget(scroll_, 1);
    // The rows take the keys to scroll; a reader reaching them by Tab hears what they are. They are a
    // list of items: a reader walking the panel round them finds no loose labels to pick from, and the
    // view the rows scroll in only hands its keys on, so it is not spoken as holding them.
    StyleAccessibility::setRole(scroll_, QAccessible::List);
    StyleAccessibility::setName(scroll_, QStringLiteral("Action log"));
    StyleAccessibility::setRole(scroll_->viewport(), QAccessible::Client);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    column_->setContentsMargins(12, 12, 12, 12);
    column_->addStretch();
    scroll_->setWidget(content_);
    // The log lies on its owner's panel: nothing of the scroll area paints over it.
    scroll_->viewport()->setAutoFillBackground(false);
    content_->setAutoFillBackground(false);
    scroll_->installEventFilter(this);
    connect(&clock_, &AnimationClock::ticked, this, &ActionLogView::stepScroll);
    if (controller_) {
        connect(controller_, &GameController::stateChanged, this, &ActionLogView::follow);
        connect(controller_, &GameController::newcomersChanged, this, &ActionLogView::follow);
    }
    setTheme(theme);
    follow();
    shownOnce_ = true;
}

void ActionLogView::setTheme(const TableTheme& theme) {
    theme_ = theme;
    focusFrame_->setTheme(theme);
    header_->set(theme, header_->text().isEmpty() ? QStringLiteral("This Hand") : header_->text());
    column_->setSpacing(theme.style == TableStyleID::pixel ? 2 : 4);
    // Every row is drawn in the theme, so the rows are built again.
    const auto rows = std::move(rows_);
    rows_.clear();
    leavePlace();
    for (QWidget* widget : rowWidgets())
        delete widget;
    rows_ = rows;
    rebuild();
}

QWidget* ActionLogView::focusFrame() const {
    return focusFrame_;
}

QString ActionLogView::header() const {
    return header_->text();
}

void ActionLogView::follow() {
    if (!controller_)
        return;
    const auto view = controller_->view();
    if (!view) {
        setRows({}, std::nullopt, {});
        return;
    }
    const TableText text{[this](std::int64_t seat) { return controller_->nameOfSeat(seat); }};
    GameController* controller = controller_;
    setRows(LogEntry::entries(*view, text, controller_->newcomers()), view->handNumber,
            [controller](std::int64_t seat) { return logSeatColor(controller->profileOfSeat(seat)); });
}

void ActionLogView::setRows(const std::vector<LogEntry>& rows, std::optional<std::int64_t> handNumber,
                            SeatColors colors) {
    header_->set(theme_,
                 handNumber ? QStringLiteral("Hand %1").arg(*handNumber) : QStringLiteral("This Hand"));
    colors_ = std::move(colors);
    const std::size_t before = rows_.size();
    // Rows that stay the same keep their widgets; only what changed below them is built again.
    std::size_t same = 0;
    while (same < rows.size() && same < rows_.size() && rows[same] == rows_[same])
        ++same;
    leavePlace(same);
    std::vector<QWidget*> widgets = rowWidgets();
    for (std::size_t index = same; index < widgets.size(); ++index)
        delete widgets[index];
    rows_.resize(same);
    for (std::size_t index = same; index < rows.size(); ++index)
        rows_.push_back(rows[index]);
    rebuild();
    if (shownOnce_ && rows_.size() != before && !rows_.empty())
        scrollToNewest();
}

std::vector<QWidget*> ActionLogView::rowWidgets() const {
    std::vector<QWidget*> widgets;
    for (int index = 0; index < column_->count(); ++index)
        if (QWidget* widget = column_->itemAt(index)->widget())
            widgets.push_back(widget);
    return widgets;
}

void ActionLogView::rebuild() {
    const std::size_t built = rowWidgets().size();
    for (std::size_t index = built; index < rows_.size(); ++index) {
        QWidget* widget = std::visit(
            [this](const auto& row) -> QWidget* {
                using Row = std::decay_t<decltype(row)>;
                if constexpr (std::is_same_v<Row, LogEntry::Heading>)
                    return LogRows::heading(theme_, row, content_);
                else if constexpr (std::is_same_v<Row, LogEntry::Line>)
                    return LogRows::line(
                        theme_, row, row.seat && colors_ ? colors_(*row.seat) : RGB{0, 0, 0, 0}, content_);
                else
                    return LogRows::yourTurn(theme_, row, content_);
            },
            rows_[index].kind);
        // A row takes the height its text needs at the log's width (a long line wraps) and no more, held
        // to the top of its place; the stretch stays last, keeping the rows at the top.
        column_->insertWidget(static_cast<int>(index), widget, 0, Qt::AlignTop);
        // Shown now rather than on the next turn of the event loop, so the scroll range counts it.
        widget->setVisible(true);
    }
}

void ActionLogView::scrollToNewest() {
    // Lay the new rows out first, at the width they are shown at (long lines wrap), so the bar knows
    // its new end.
    const QWidget* viewport = scroll_->viewport();
    content_->resize(viewport->width(),
                     std::max(viewport->height(), content_->heightForWidth(viewport->width())));
    content_->layout()->activate();
    QScrollBar* bar = scroll_->verticalScrollBar();
    bar->setRange(0, std::max(0, content_->height() - viewport->height()));
    const double end = bar->maximum();
    if (theme_.reduceMotion) {
        bar->setValue(static_cast<int>(end));
        return;
    }
    scrolling_ = Transition{AnimationCurve::easeOut(scrollSeconds), clock_.now(), double(bar->value()), end};
    clock_.start();
    stepScroll();
}

void ActionLogView::stepScroll() {
    const double now = clock_.now();
    scroll_->verticalScrollBar()->setValue(static_cast<int>(std::lround(scrolling_.value(now))));
    if (scrolling_.isFinished(now))
        clock_.stop();
}

bool ActionLogView::step(int key) {
    const std::vector<QWidget*> widgets = rowWidgets();
    const auto at = place_ ? std::optional(static_cast<int>(*place_)) : std::nullopt;
    const auto to = ListKeys::target(at, static_cast<int>(widgets.size()), key);
    if (!to)
        return false;
    // A key at either end stays on its row, and the reader, already there, hears nothing new.
    if (to == at)
        return true;
    QWidget* row = widgets[static_cast<std::size_t>(*to)];
    scroll_->ensureWidgetVisible(row, 0, 0);
    StyleAccessibility::movePlace(place_ ? widgets[*place_] : nullptr, row);
    place_ = static_cast<std::size_t>(*to);
    return true;
}

void ActionLogView::leavePlace(std::size_t first) {
    if (!place_ || *place_ < first)
        return;
    StyleAccessibility::movePlace(rowWidgets()[*place_], nullptr);
    place_.reset();
    // The reader's focus was on a row that is going: it comes back to the rows as a whole.
    if (scroll_->hasFocus()) {
        QAccessibleEvent focus(scroll_, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

bool ActionLogView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_) {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* press = static_cast<QKeyEvent*>(event);
            if (!(press->modifiers() & ~Qt::KeypadModifier) && step(press->key()))
                return true;
            break;
        }
        case QEvent::FocusIn:
            // A reader picks only the longer of a panel's lines, and never its headings: reached by the
            // keys, the log is read whole, in order. Told once the reader has been told of the focus,
            // whose words would otherwise cut the log's short.
            if (announcer_) {
                const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
                if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
                    QTimer::singleShot(0, this, [this] {
                        if (scroll_->hasFocus())
                            announcer_->announce(LogEntry::spoken(rows_));
                    });
            }
            [[fallthrough]];
        case QEvent::FocusOut:
            // Each time the keys come to the rows, they are read whole and stepped from either end.
            leavePlace();
            [[fallthrough]];
        case QEvent::Resize:
        case QEvent::Move:
            // The rows' keys step through them: a click into the log moves the keys there, and the
            // player sees where they went.
            if (scroll_->hasFocus()) {
                const QScrollBar* bar = scroll_->verticalScrollBar();
                const QRectF barArea(bar->mapTo(this, QPoint(0, 0)), bar->size());
                focusFrame_->ring(
                    FocusRing::frameClearOf(scroll_->geometry(), bar->isVisible() ? barArea : QRectF())
                        .toAlignedRect());
            } else {
                focusFrame_->hide();
            }
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
