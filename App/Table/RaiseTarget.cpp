#include "Table/RaiseTarget.h"

RaiseTarget::RaiseTarget(QObject* parent)
    : QObject(parent) {}

void RaiseTarget::setRaiseTo(std::int64_t amount) {
    if (amount == raiseTo_)
        return;
    raiseTo_ = amount;
    emit raiseToChanged(amount);
}

void RaiseTarget::setChosenPreset(std::optional<RaisePreset> preset) {
    if (preset == chosenPreset_)
        return;
    chosenPreset_ = preset;
    emit chosenPresetChanged();
}

void RaiseTarget::choose(RaisePreset preset, std::int64_t amount) {
    setRaiseTo(amount);
    setChosenPreset(preset);
}

void RaiseTarget::setFocus(std::optional<TableFocus> focus) {
    if (focus == focus_)
        return;
    focus_ = focus;
    emit focusChanged();
}
