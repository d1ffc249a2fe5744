#pragma once

#include <QObject>
#include <QPalette>

#include <optional>

class SettingsPortal;

// Keeps the application palette in step with the desktop's colour scheme. Qt without a theme plugin
// stays light under a dark desktop; then the standard controls (fields, scroll bars, tooltips) would
// stay light beside the game's dark drawing. Qt's own palette comes back when the desktop stops
// stating a preference.
class DesktopPalette final : public QObject {
    Q_OBJECT

  public:
    explicit DesktopPalette(SettingsPortal& portal, QObject* parent = nullptr);
    ~DesktopPalette() override;

  private:
    void apply();

    SettingsPortal& portal_;
    QPalette qtPalette_;
    std::optional<bool> forced_;
};
