#pragma once

#include <cstdint>
#include <optional>

#include <QObject>

#include "Game/RaisePreset.h"

// Where the table screen's keyboard focus may rest: the table itself or the raise amount field.
enum class TableFocus { table, raiseField };

// The raise the player is preparing, shared by everything that reads or edits it: the action bar's
// presets and Bet/Raise button, the slider, the amount field and the table's keys. The table screen
// owns it and resets the target when a new view arrives. Signals fire only on a real change.
class RaiseTarget : public QObject {
    Q_OBJECT
  public:
    explicit RaiseTarget(QObject* parent = nullptr);

    // The street total to bet or raise to; any integer, clamped only when it is sent.
    std::int64_t raiseTo() const { return raiseTo_; }
    void setRaiseTo(std::int64_t amount);
    // The preset pressed last, which stays lit while it still gives the target.
    std::optional<RaisePreset> chosenPreset() const { return chosenPreset_; }
    void setChosenPreset(std::optional<RaisePreset> preset);
    // A preset press: the amount first, then the preset, as the bar does it.
    void choose(RaisePreset preset, std::int64_t amount);

    std::optional<TableFocus> focus() const { return focus_; }
    void setFocus(std::optional<TableFocus> focus);
    bool isFieldFocused() const { return focus_ == TableFocus::raiseField; }

  signals:
    void raiseToChanged(std::int64_t amount);
    void chosenPresetChanged();
    void focusChanged();

  private:
    std::int64_t raiseTo_ = 0;
    std::optional<RaisePreset> chosenPreset_;
    std::optional<TableFocus> focus_;
};
