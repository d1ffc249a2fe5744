#include "Views/Learn/StartersChartView.h"

#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStaticText>
#include <QWindow>

#include "Learn/StartersChart.h"
#include "Style/Drawing/ArtCache.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/FocusRingPainter.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Style/Ornaments.h"
#include "Views/Learn/GuideColors.h"

namespace {

constexpr double padding = 2;
constexpr double gap = 1.5;
constexpr double radius = 3;

BotKit::StartingHand handAtIndex(int index) {
    return chartCell(index / chartSide, index % chartSide);
}

// The cells' labels ("AKs", "T9o", "QQ") in cell order, made once.
const std::vector<QString>& cellLabels() {
    static const std::vector<QString> labels = [] {
        std::vector<QString> list;
        for (int index = 0; index < chartSide * chartSide; ++index) {
            list.push_back(QString::fromStdString(handAtIndex(index).description()));
        }
        return list;
    }();
    return labels;
}

// One cell as a reader meets it: a button named "<hand>, <band>", selected when it is the selection.
class CellAccessible : public QAccessibleInterface {
  public:
    CellAccessible(StartersChartView* chart, int index)
        : chart_(chart)
        , index_(index) {}

    bool isValid() const override { return chart_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return chart_->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(chart_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? StartersChart::cellSpoken(handAtIndex(index_)) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRectF cell = chart_->cellRect(index_ / chartSide, index_ % chartSide);
        return QRect(chart_->mapToGlobal(cell.topLeft().toPoint()), cell.size().toSize());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = true;
        state.selected = chart_->selected() == handAtIndex(index_);
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(&actions_)
                                                    : nullptr;
    }

  private:
    // The default action selects the cell, as a click does.
    class Press : public QAccessibleActionInterface {
      public:
        explicit Press(CellAccessible* cell)
            : cell_(cell) {}
        QStringList actionNames() const override { return {pressAction()}; }
        void doAction(const QString& name) override {
            if (name == pressAction()) {
                cell_->chart_->select(handAtIndex(cell_->index_));
            }
        }
        QStringList keyBindingsForAction(const QString&) const override { return {}; }

      private:
        CellAccessible* cell_;
    };

    StartersChartView* chart_;
    int index_;
    Press actions_{this};
};

// The chart as a container of its 169 cells.
class ChartAccessible : public QAccessibleWidget {
  public:
    explicit ChartAccessible(StartersChartView* chart)
        : QAccessibleWidget(chart, QAccessible::Table, QStringLiteral("Starting hands chart")) {}
    ~ChartAccessible() override {
        for (const QAccessible::Id id : ids_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    int childCount() const override { return chartSide * chartSide; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        if (ids_.empty()) {
            ids_.resize(static_cast<std::size_t>(childCount()), 0);
        }
        QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
        if (!id) {
            id = QAccessible::registerAccessibleInterface(
                new CellAccessible(static_cast<StartersChartView*>(widget()), index));
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < static_cast<int>(ids_.size()); ++i) {
            if (ids_[static_cast<std::size_t>(i)] &&
                QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(i)]) == child) {
                return i;
            }
        }
        return -1;
    }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? QStringLiteral("Starting hands chart")
                                         : QAccessibleWidget::text(kind);
    }

  private:
    mutable std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* chartFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("StartersChartView")) {
        if (auto* chart = qobject_cast<StartersChartView*>(object)) {
            return new ChartAccessible(chart);
        }
    }
    return nullptr;
}

} // namespace

StartersChartView::StartersChartView(std::optional<BotKit::StartingHand> current, bool dark,
                                     bool increasedContrast, QWidget* parent)
    : QWidget(parent)
    , current_(current)
    , selected_(current)
    , dark_(dark)
    , increasedContrast_(increasedContrast) {
    static const bool installed = [] {
        QAccessible::installFactory(chartFactory);
        return true;
    }();
    (void)installed;
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Starting hands chart"));
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    // Never so narrow that a hand goes unnamed: where the room is narrower, what holds the chart
    // scrolls it.
    const int narrowest = static_cast<int>(StartersChart::narrowestChart(labelMeasures()));
    setMinimumSize(narrowest, narrowest);
}

QSize StartersChartView::sizeHint() const {
    return minimumSize().expandedTo({320, 320});
}

void StartersChartView::select(const BotKit::StartingHand& hand) {
    if (selected_ == hand) {
        return;
    }
    selected_ = hand;
    update();
    emit selectionChanged(hand);
}

void StartersChartView::setCurrent(std::optional<BotKit::StartingHand> current) {
    if (current_ == current) {
        return;
    }
    current_ = current;
    update();
    if (const auto selection = StartersChart::selectionWhenCardsArrive(selected_, current_);
        selection != selected_) {
        select(*selection);
    }
}

QRectF StartersChartView::cellRect(int row, int column) const {
    const double side = StartersChart::cellSide(width());
    return QRectF(padding + column * (side + gap), padding + row * (side + gap), side, side);
}

std::optional<BotKit::StartingHand> StartersChartView::handAt(QPointF point) const {
    for (int row = 0; row < chartSide; ++row) {
        for (int column = 0; column < chartSide; ++column) {
            if (cellRect(row, column).contains(point)) {
                return chartCell(row, column);
            }
        }
    }
    return std::nullopt;
}

int StartersChartView::labelSize() const {
    return StartersChart::labelPixels(width(), labelMeasures());
}

QFont StartersChartView::labelFont(int pixelSize) {
    return ThemeFonts::system(pixelSize, FontWeight::semibold);
}

const StartersChart::LabelMeasures& StartersChartView::labelMeasures() {
    static const StartersChart::LabelMeasures measures = [] {
        StartersChart::LabelMeasures sizes;
        for (int size = StartersChart::smallestLabel; size <= StartersChart::largestLabel; ++size) {
            const QFontMetricsF metrics(labelFont(size));
            double widest = 0;
            for (const QString& label : cellLabels()) {
                widest = std::max(widest, metrics.horizontalAdvance(label));
            }
            sizes[static_cast<std::size_t>(size - StartersChart::smallestLabel)] = {widest, metrics.height()};
        }
        return sizes;
    }();
    return measures;
}

StartersChartView::BandLook StartersChartView::look(StartingBand band, bool dark, bool increasedContrast) {
    const StartersChart::BandLook look = StartersChart::bandLook(band, dark, increasedContrast);
    return {toQColor(look.fill), toQColor(look.border), look.borderWidth, toQColor(look.label)};
}

void StartersChartView::paintSwatch(QPainter& painter, const QRectF& box, const BandLook& look) {
    QPainterPath shape;
    shape.addRoundedRect(box, radius, radius);
    painter.fillPath(shape, look.fill);
    if (look.borderWidth > 0) {
        const double half = look.borderWidth / 2;
        QPainterPath border;
        border.addRoundedRect(box.adjusted(half, half, -half, -half), radius - half, radius - half);
        painter.strokePath(border, QPen(look.border, look.borderWidth));
    }
}

QPixmap StartersChartView::paintCells(double ratio) const {
    QPixmap cells(size() * ratio);
    cells.setDevicePixelRatio(ratio);
    cells.fill(Qt::transparent);
    QPainter painter(&cells);
    painter.setRenderHint(QPainter::Antialiasing);
    std::array<BandLook, allStartingBands.size()> looks;
    for (const StartingBand band : allStartingBands) {
        looks[static_cast<std::size_t>(band)] = look(band, dark_, increasedContrast_);
    }
    // Every cell of a band looks the same: each is drawn once and copied.
    for (int index = 0; index < chartSide * chartSide; ++index) {
        const QRectF cell = cellRect(index / chartSide, index % chartSide);
        const auto band = startingBand(handAtIndex(index));
        const QByteArray key = QStringLiteral("chart cell|%1|%2|%3")
                                   .arg(static_cast<int>(band))
                                   .arg(dark_)
                                   .arg(increasedContrast_)
                                   .toUtf8();
        ArtCache::draw(painter, key, cell, {}, [&](QPainter& art, QPointF at) {
            paintSwatch(art, QRectF(at, cell.size()), looks[static_cast<std::size_t>(band)]);
        });
    }
    const QFont font = labelFont(labelSize());
    painter.setFont(font);
    const std::vector<QStaticText>& labels = preparedLabels(font);
    for (int index = 0; index < chartSide * chartSide; ++index) {
        const QRectF cell = cellRect(index / chartSide, index % chartSide);
        const QStaticText& label = labels[static_cast<std::size_t>(index)];
        const QSizeF shown = label.size();
        painter.setPen(looks[static_cast<std::size_t>(startingBand(handAtIndex(index)))].label);
        painter.drawStaticText(cell.center() - QPointF(shown.width() / 2, shown.height() / 2), label);
    }
    return cells;
}

const std::vector<QStaticText>& StartersChartView::preparedLabels(const QFont& font) const {
    if (labels_.empty() || labelsFont_ != font) {
        labels_.clear();
        for (const QString& text : cellLabels()) {
            QStaticText label(text);
            label.setTextFormat(Qt::PlainText);
            label.setPerformanceHint(QStaticText::AggressiveCaching);
            label.prepare(QTransform(), font);
            labels_.push_back(label);
        }
        labelsFont_ = font;
    }
    return labels_;
}

void StartersChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The cells and their labels change only with the size and the look; the outlines go over them.
    // The pixels per point of wherever the chart is painted (a screen, or a grab at another ratio).
    const double ratio = std::max(1.0, painter.deviceTransform().m11());
    if (cells_.isNull() || cells_.deviceIndependentSize() != QSizeF(size()) ||
        cells_.devicePixelRatio() != ratio) {
        cells_ = paintCells(ratio);
    }
    painter.drawPixmap(QPointF(0, 0), cells_);
    painter.setRenderHint(QPainter::Antialiasing);
    const auto outline = [&](const BotKit::StartingHand& hand, double width) {
        const QRectF cell = cellRect(chartPosition(hand).row, chartPosition(hand).column);
        QPainterPath path;
        path.addRoundedRect(cell, radius, radius);
        painter.strokePath(path, QPen(GuideColors::primary(dark_), width));
    };
    if (selected_ && selected_ != current_) {
        outline(*selected_, 1.5);
    }
    if (current_) {
        outline(*current_, 2);
    }
    if (hasFocus()) {
        // Where the chart scrolls sideways, the ring goes round the part in view.
        const QRect shown = visibleRegion().isEmpty() ? rect() : visibleRegion().boundingRect();
        FocusRingPainter::paintInside(painter, shown, FocusRingPainter::desktopTheme(dark_),
                                      FocusRingPainter::Outline::rounded, 6);
    }
}

void StartersChartView::mousePressEvent(QMouseEvent* event) {
    if (const auto hand = handAt(event->position())) {
        select(*hand);
    }
    QWidget::mousePressEvent(event);
}

void StartersChartView::keyPressEvent(QKeyEvent* event) {
    std::optional<StartersChart::Arrow> arrow;
    switch (event->key()) {
    case Qt::Key_Left:
        arrow = StartersChart::Arrow::left;
        break;
    case Qt::Key_Right:
        arrow = StartersChart::Arrow::right;
        break;
    case Qt::Key_Up:
        arrow = StartersChart::Arrow::up;
        break;
    case Qt::Key_Down:
        arrow = StartersChart::Arrow::down;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    select(StartersChart::move(selected_, current_, *arrow));
    event->accept();
}

void StartersChartView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    // Only the keys' coming: a window turning active again hands back the focus it had, and a click
    // tells of the cell it chooses.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
        reason == Qt::ShortcutFocusReason) {
        emit entered();
    }
}

void StartersChartView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}
