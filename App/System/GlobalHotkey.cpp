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

void GlobalHotkey::releaseGrab() {
    if (active_) {
        grabber_->release();
        active_ = false;
    }
}

QString GlobalHotkey::missingModifierProblem() {
    return QStringLiteral("Add Ctrl, Alt or Super to use a shortcut from other apps.");
}

std::optional<QString> GlobalHotkey::grab(const KeyShortcut& shortcut) {
    if (!shortcut.command && !shortcut.option && !shortcut.control) {
        return missingModifierProblem();
    }
    if (!grabber_) {
        return std::nullopt;
    }
    const QString display = QString::fromStdString(shortcut.display());
    const HotkeyGrab grab = grabber_->grab(shortcut, [this] { pressed(); });
    switch (grab.outcome) {
    case HotkeyGrab::Outcome::grabbed:
        active_ = true;
        return std::nullopt;
    case HotkeyGrab::Outcome::alreadyUsed:
        return display + QStringLiteral(" is already used by another app. Pick another shortcut.");
    case HotkeyGrab::Outcome::failed:
        break;
    }
    return QStringLiteral("Couldn't set %1 (error %2).").arg(display).arg(grab.status);
}

void GlobalHotkey::update(const std::optional<KeyShortcut>& shortcut) {
    if (shortcut == registered_) {
        return;
    }
    releaseGrab();
    registered_ = shortcut;
    setProblem(shortcut ? grab(*shortcut) : std::nullopt);
}

std::optional<QString> GlobalHotkey::replace(const KeyShortcut& shortcut) {
    // The grabber holds one grab at a time, so the previous one is let go while the new one is tried.
    const bool wasActive = active_;
    releaseGrab();
    std::optional<QString> refusal = grab(shortcut);
    if (!refusal) {
        registered_ = shortcut;
        setProblem(std::nullopt);
        return std::nullopt;
    }
    // `problem` speaks of the stored shortcut only: taken back into force, it has none, and one that was
    // not in force keeps the reason it already had.
    if (wasActive && registered_) {
        setProblem(grab(*registered_));
    }
    return refusal;
}
