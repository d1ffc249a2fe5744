#include "Views/Table/ActionBar.h"

#include "GameController.h"
#include "PokerEngine/EngineError.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Table/RaiseTarget.h"
#include "Views/Controls/AmountField.h"
#include "Views/Controls/ChipSlider.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Support/Announcer.h"

#include <cmath>

ActionBar::ActionBar(const TableTheme& theme, GameController* controller, RaiseTarget& target,
                     QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , controller_(controller)
    , target_(target)
    , presetGroup_(new QWidget(this)) {
    view_.legalActions = PokerEngine::LegalActions::none();
    StyleAccessibility::setRole(presetGroup_, QAccessible::Grouping);
    StyleAccessibility::setName(presetGroup_, QStringLiteral("Raise presets"));
    // Tab follows the order widgets are made in, so they are made in the order the bar is read in.
    for (const ActionBarControl& control : ActionBarModel::readingOrder())
        make(control);
    connect(slider_, &ChipSlider::valueEdited, &target_, &RaiseTarget::setRaiseTo);
    connect(field_, &AmountField::valueEdited, &target_, &RaiseTarget::setRaiseTo);
    connect(field_, &AmountField::submitted, this, &ActionBar::confirmRaise);
    connect(field_, &AmountField::refused, this, [this](const QString& reason) {
        if (announcer_)
            announcer_->announce(reason);
    });
    connect(field_, &AmountField::editingChanged, this, [this](bool editing) {
        if (editing) {
            target_.setFocus(TableFocus::raiseField);
            return;
        }
        if (target_.isFieldFocused())
            target_.setFocus(std::nullopt);
        // Typed out of range, the amount is held in it as the field is left, so the field shows the
        // amount the Bet/Raise button names and sends.
        if (model().canRaise())
            target_.setRaiseTo(model().current());
    });
    connect(&target_, &RaiseTarget::focusChanged, this,
            [this] { field_->setEditing(target_.isFieldFocused()); });
    // A hidden bar waits for its next view: drawn from the last one, its titles would flicker through
    // amounts of a turn that is over, each told to the reader.
    const auto follow = [this] {
        if (!isHidden())
            refresh();
    };
    connect(&target_, &RaiseTarget::raiseToChanged, this, follow);
    connect(&target_, &RaiseTarget::chosenPresetChanged, this, follow);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    refresh();
}

void ActionBar::make(const ActionBarControl& control) {
    using Kind = ActionBarControl::Kind;
    switch (control.kind) {
    case Kind::preset: {
        const RaisePreset preset = control.preset.value_or(RaisePreset::min);
        auto* button = new StyledButton(theme_, label(preset), ControlKind::preset(false), ControlSize::small,
                                        std::nullopt, {}, presetGroup_);
        button->setToolTip(help(preset));
        StyleAccessibility::setDescription(button, description(preset));
        // A preset only prepares the amount; Bet/Raise or Return sends it.
        connect(button, &QAbstractButton::clicked, this, [this, preset] {
            const auto amounts = model().presetAmounts();
            if (const auto found = amounts.find(preset); found != amounts.end())
                target_.choose(preset, found->second);
        });
        presets_[static_cast<std::size_t>(preset)] = button;
        break;
    }
    case Kind::slider:
        slider_ = new ChipSlider(theme_, QStringLiteral("Raise amount"), this);
        break;
    case Kind::amountField:
        field_ = new AmountField(theme_, this);
        break;
    case Kind::fold:
        fold_ = new StyledButton(theme_, QStringLiteral("Fold"), ControlKind::fold(), ControlSize::main,
                                 std::nullopt, {}, this);
        fold_->setToolTip(ActionBarModel::foldTooltip());
        connect(fold_, &QAbstractButton::clicked, this, [this] { send(PokerEngine::Action::fold()); });
        break;
    case Kind::passive:
        passive_ = new StyledButton(theme_, QStringLiteral("Check"), ControlKind::call(), ControlSize::main,
                                    std::nullopt, {}, this);
        connect(passive_, &QAbstractButton::clicked, this, [this] { send(model().passiveAction()); });
        break;
    case Kind::raise:
        raise_ = new StyledButton(theme_, QString(), ControlKind::confirm(), ControlSize::main, std::nullopt,
                                  {}, this);
        connect(raise_, &QAbstractButton::clicked, this, &ActionBar::confirmRaise);
        break;
    }
}

void ActionBar::setTheme(const TableTheme& theme) {
    theme_ = theme;
    for (StyledButton* button : {fold_, passive_, raise_})
        button->setTheme(theme);
    for (StyledButton* button : presets_)
        button->setTheme(theme);
    slider_->setTheme(theme);
    field_->setTheme(theme);
    updateGeometry();
    layOut();
}

void ActionBar::setView(const PokerEngine::PlayerView& view) {
    view_ = view;
    if (!view_.legalActions)
        view_.legalActions = PokerEngine::LegalActions::none();
    refresh();
}

ActionBarModel ActionBar::model() const {
    return {view_, *view_.legalActions, target_.raiseTo(), target_.chosenPreset()};
}

void ActionBar::confirmRaise() {
    const auto action = model().confirmRaise();
    if (!action)
        return;
    if (target_.isFieldFocused())
        target_.setFocus(std::nullopt);
    send(*action);
}

void ActionBar::send(const PokerEngine::Action& action) {
    emit acted(action);
    if (!controller_)
        return;
    try {
        controller_->act(action);
    } catch (const GameControllerError&) {
        // Paused or no table: nothing happens, and the bar waits for the next view.
    } catch (const PokerEngine::EngineError&) {
        // The engine refused the amount; the next view redraws the bar.
    }
}

void ActionBar::refresh() {
    const ActionBarModel bar = model();
    passive_->setTitle(bar.passiveTitle());
    passive_->setToolTip(bar.passiveTooltip());
    raise_->setTitle(bar.raiseTitle());
    raise_->setToolTip(bar.raiseTooltip());
    const bool raising = bar.canRaise();
    raise_->setVisible(raising);
    slider_->setVisible(raising);
    field_->setVisible(raising);
    const auto selected = bar.selectedPreset();
    for (RaisePreset preset : allRaisePresets) {
        StyledButton* button = presets_[static_cast<std::size_t>(preset)];
        button->setKind(ControlKind::preset(selected == preset));
    }
    presetGroup_->setVisible(raising);
    slider_->setRange(bar.sliderLower(), bar.sliderUpper(), bar.sliderStep());
    slider_->setValue(bar.raiseTo);
    field_->setValue(bar.raiseTo);
    layOut();
}

double ActionBar::columnHeight() const {
    return model().columnHeight(theme_, presets_[0]->faceHeight());
}

QSize ActionBar::sizeHint() const {
    return QSize(theme_.surface == TableSurface::window ? 560 : 388,
                 static_cast<int>(std::ceil(columnHeight()))) +
           QSize(2 * reach_, 2 * reach_);
}

void ActionBar::setReach(int reach) {
    reach_ = reach;
    layOut();
}

void ActionBar::resizeEvent(QResizeEvent*) {
    layOut();
}

void ActionBar::layOut() {
    // The rows' faces, top to bottom: the presets, the amount row, the main buttons on the bar's
    // bottom. Each control's shadow and focus ring reach past its face into the gaps round it, as they
    // do round any drawn control, and take no room in the column.
    const ActionBarModel bar = model();
    const double width = this->width() - 2 * reach_;
    const auto place = [this](QWidget* widget, const QRectF& face, const QMargins& room) {
        widget->setGeometry(face.translated(reach_, reach_).marginsAdded(QMarginsF(room)).toAlignedRect());
    };
    const double presetHeight = presets_[0]->faceHeight();
    const auto tops = bar.rowTops(theme_, presetHeight, height() - 2 * reach_);
    if (tops.presets && tops.amount) {
        double y = *tops.presets;
        const double spacing = ActionBarModel::presetSpacing(theme_);
        const double presetWidth = (width - 4 * spacing) / 5;
        const QMargins room = presets_[0]->room();
        // The group spans the row; `place` moves each preset by the bar's reach, the group's origin back.
        const QRect row =
            QRectF(reach_, reach_ + y, width, presetHeight).marginsAdded(QMarginsF(room)).toAlignedRect();
        presetGroup_->setGeometry(row);
        for (std::size_t i = 0; i < presets_.size(); ++i)
            place(
                presets_[i],
                QRectF(i * (presetWidth + spacing), y, presetWidth, presetHeight).translated(-row.topLeft()),
                room);
        y = *tops.amount;
        const double amountHeight = ActionBarModel::amountRowHeight(theme_);
        const double fieldWidth = ActionBarModel::amountFieldWidth(theme_);
        const int margin = static_cast<int>(AmountField::focusMargin(theme_));
        place(field_, QRectF(width - fieldWidth, y, fieldWidth, amountHeight),
              QMargins(margin, margin, margin, margin));
        slider_->setGeometry(
            QRectF(reach_, reach_ + y, std::max(width - fieldWidth - 10, 0.0), amountHeight).toRect());
    }
    const double y = tops.buttons;
    const double rowHeight = ActionBarModel::buttonRowHeight(theme_);
    const auto widths = bar.buttonWidths(width);
    double x = 0;
    for (auto [button, buttonWidth] : {std::pair{fold_, widths.fold}, std::pair{passive_, widths.passive},
                                       std::pair{raise_, widths.raise}}) {
        if (buttonWidth <= 0)
            continue;
        place(button, QRectF(x, y, buttonWidth, rowHeight), button->room());
        x += buttonWidth + ActionBarModel::buttonSpacing;
    }
}
