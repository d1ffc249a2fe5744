#include "System/GlobalHotkey.h"

GlobalHotkey::GlobalHotkey(std::unique_ptr<HotkeyGrabber> grabber, QObject* parent)
    : QObject(parent)
    , grabber_(std::move(grabber)) {}

GlobalHotkey::~GlobalHotkey() {
    if (grabber_ && active_) {
        grabber_->release();
    }
}

void GlobalHotkey::setProblem(std::optional<QString> problem) {
    if (problem == problem_) {
        return;
    }
    problem_ = std::move(problem);
    emit problemChanged();
}

void GlobalHotkey::pressed() {
    if (action_) {
        action_();
    }
}

void GlobalHotkey::update(const std::optional<KeyShortcut>& shortcut) {
    if (shortcut == registered_) {
        return;
    }
    if (active_) {
        grabber_->release();
        active_ = false;
    }
    setProblem(std::nullopt);
    registered_ = shortcut;
    if (!shortcut) {
        return;
    }
    if (!shortcut->command && !shortcut->option && !shortcut->control) {
        setProblem(QStringLiteral("Add ⌘, ⌥ or ⌃ to use a shortcut from other apps."));
        return;
    }
    if (!grabber_) {
        return;
    }
    const QString display = QString::fromStdString(shortcut->display());
    const HotkeyGrab grab = grabber_->grab(*shortcut, [this] { pressed(); });
    switch (grab.outcome) {
    case HotkeyGrab::Outcome::grabbed:
        active_ = true;
        break;
    case HotkeyGrab::Outcome::alreadyUsed:
        setProblem(display + QStringLiteral(" is already used by another app. Pick another shortcut."));
        break;
    case HotkeyGrab::Outcome::failed:
        setProblem(QStringLiteral("Couldn't set %1 (error %2).").arg(display).arg(grab.status));
        break;
    }
}
