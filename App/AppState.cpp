#include "AppState.h"

#include "HandSettlement.h"
#include "Persistence/DailyRefill.h"
#include "Persistence/Ledger.h"
#include "Persistence/PersistenceLog.h"
#include "Persistence/SaturatingMath.h"

AppState::AppState(std::optional<PersistenceStore> store, Clock now, QTimeZone calendar, QObject* parent)
    : QObject(parent)
    , store_(std::move(store))
    , now_(std::move(now))
    , calendar_(std::move(calendar)) {
    if (!store_) {
        return;
    }
    for (const QString& name : store_->removeStaleTemporaryFiles()) {
        qCInfo(persistenceLog).noquote()
            << QStringLiteral("removed %1, left behind by an interrupted write").arg(name);
    }
    // A missing or set-aside file only gets replaced at the first change of the profile.
    if (auto profile = store_->readProfile(); profile.isLoaded()) {
        profile_ = profile.value();
    }
    if (auto game = store_->readSavedGame(); game.isLoaded()) {
        savedGame_ = game.value();
    }
    if (const auto keptAt = store_->setAsidePath(PersistenceStore::savedGameFileName)) {
        untoldSetAsideSave_ = SetAsideSave{*keptAt, SetAsideReason::damaged};
    }
    // The finished hand in the save is booked first: setting the save aside must not lose it.
    settleSavedHand();
    weighResumeMark();
    if (profile_.onboarded) {
        refillIfNewDay();
    }
}

AppState::~AppState() {
    // The last try below must plan no retry that would outlive this object.
    retryScheduler_ = nullptr;
    retry_.cancel();
    prepareToEnd();
}

void AppState::prepareToEnd() {
    if (!store_) {
        return;
    }
    // A last try for what a full or read-only folder refused earlier: it may take writes again.
    catchUp();
    store_->clearResumeMark();
}

void AppState::retryFailedWritesOn(Scheduler& scheduler) {
    retryScheduler_ = &scheduler;
    retryLater();
}

void AppState::catchUp() {
    // The profile first: a table is never saved ahead of it, nor does the save of a table that is
    // over go before the booking of its end. A stop between two writes leaves what the next start
    // settles once, never a booking lost or made twice.
    if (profileFileBehind_) {
        saveProfile();
    }
    if (savedGameFailing_) {
        checkpoint(savedGame_);
    }
}

void AppState::retryLater() {
    if (!retryScheduler_ || retry_.isPending()) {
        return;
    }
    // A file the store keeps because it could not read it is never written this run: retrying it
    // would only fail again, as would the removal of a save that waits for such a profile.
    const bool profileRetried = profileFileBehind_ && !store_->isKept(PersistenceStore::profileFileName);
    const bool waitsForProfile = !savedGame_ && profileFileBehind_;
    const bool gameRetried = savedGameFailing_ && !store_->isKept(PersistenceStore::savedGameFileName) &&
                             (!waitsForProfile || profileRetried);
    if (!profileRetried && !gameRetried) {
        return;
    }
    retry_ = retryScheduler_->after(writeRetryPeriod, [this] {
        catchUp();
        retryLater();
    });
}

void AppState::weighResumeMark() {
    const auto mark = store_->readResumeMark();
    if (!mark) {
        return;
    }
    store_->clearResumeMark();
    // A save written since the mark means play had moved on, or the table ended: the stop was not
    // the resumed save's doing. A mark naming no save (an older version's) is given the benefit too.
    if (!savedGame_ || mark->save.isEmpty() || mark->save != store_->savedGameDigest()) {
        return;
    }
    strikes_ = {mark->save, mark->stops + 1};
    if (strikes_.stops < resumeStopsBeforeSetAside) {
        qCWarning(persistenceLog).noquote()
            << QStringLiteral(
                   "the game stopped while %1 was being resumed; it is kept and can be resumed again")
                   .arg(PersistenceStore::savedGameFileName);
        return;
    }
    // Resuming the same save would stop the program again, and again at every start.
    const auto keptAt = store_->setAsideSavedGame();
    if (!keptAt) {
        return;
    }
    qCCritical(persistenceLog).noquote()
        << QStringLiteral("%1 stopped the game at its last %2 resumes; it is set aside as %3")
               .arg(PersistenceStore::savedGameFileName)
               .arg(strikes_.stops)
               .arg(*keptAt);
    savedGame_.reset();
    untoldSetAsideSave_ = SetAsideSave{*keptAt, SetAsideReason::stoppedResuming};
    strikes_ = {};
}

void AppState::settleSavedHand() {
    if (!savedGame_) {
        return;
    }
    if (savedGameIsBehindItsBooking()) {
        const BookedHand& booked = *profile_.lastBooked;
        qCWarning(persistenceLog).noquote()
            << QStringLiteral(
                   "%1 stands at hand %2 of a table whose hand %3 is booked already; it is removed")
                   .arg(PersistenceStore::savedGameFileName)
                   .arg(savedGame_->state.handNumber())
                   .arg(booked.hand);
        // A table the booking closed is over, as after any last hand; one that was to go on can't
        // be rebuilt from a save of before the booked hand's end, and the player is told.
        if (!booked.endedTable) {
            untoldSetAsideSave_ = SetAsideSave{QString(), SetAsideReason::bookedAhead};
        }
        checkpoint(std::nullopt);
        return;
    }
    const auto settlement = settleHand(savedGame_->setup, savedGame_->hero, savedGame_->state);
    if (!settlement) {
        return;
    }
    recordHand(settlement->entries, settlement->mark);
    if (settlement->over) {
        checkpoint(std::nullopt);
    }
}

bool AppState::savedGameIsBehindItsBooking() const {
    const auto& booked = profile_.lastBooked;
    const auto& state = savedGame_->state;
    if (!booked || !booked->covers(tableMark(savedGame_->setup, savedGame_->hero), state.handNumber())) {
        return false;
    }
    // The booked hand's own end is the save the booking follows: the table goes on from it.
    return state.street() != PokerEngine::Street::handComplete || state.handNumber() < booked->hand;
}

void AppState::setProfile(const Profile& profile) {
    if (profile == profile_) {
        if (profileFileBehind_) {
            saveProfile();
        }
        return;
    }
    profile_ = profile;
    emit profileChanged();
    saveProfile();
}

void AppState::setSavedGame(const std::optional<SavedGame>& game) {
    if (game == savedGame_) {
        return;
    }
    savedGame_ = game;
    emit savedGameChanged();
}

void AppState::setLastRefillAmount(std::int64_t amount) {
    if (amount == lastRefillAmount_) {
        return;
    }
    lastRefillAmount_ = amount;
    emit lastRefillAmountChanged();
}

std::int64_t AppState::spendable() const {
    if (!savedGame_) {
        return profile_.bankroll;
    }
    return Saturating::subtract(profile_.bankroll,
                                SavedGame::forfeit(savedGame_->setup, savedGame_->state, savedGame_->hero));
}

void AppState::refillIfNewDay() {
    Profile refilled = profile_;
    const auto amount = DailyRefill::apply(refilled, now_(), calendar_);
    setProfile(refilled);
    if (amount >= 1) {
        setLastRefillAmount(amount);
    }
}

void AppState::abandonSavedGame() {
    if (!savedGame_) {
        return;
    }
    const auto lost = SavedGame::forfeit(savedGame_->setup, savedGame_->state, savedGame_->hero);
    record(SessionEvent::tableFinished(savedGame_->setup.mode(), Saturating::negate(lost), std::nullopt));
    checkpoint(std::nullopt);
}

void AppState::completeOnboarding() {
    const auto today = CalendarDay::of(now_(), calendar_);
    changeProfile([&](Profile& profile) {
        profile.onboarded = true;
        profile.bankroll = Profile::startingBankroll;
        profile.lastRefillCheckDay = today;
    });
}

void AppState::resetBankroll() {
    changeProfile([](Profile& profile) { profile.bankroll = Profile::startingBankroll; });
    setLastRefillAmount(0);
}

void AppState::record(const SessionEvent& event) {
    changeProfile([&](Profile& profile) { Ledger::apply(event, profile); });
}

void AppState::recordHand(const std::vector<SessionEvent>& entries, const BookedHand& mark) {
    if (profile_.lastBooked && profile_.lastBooked->includes(mark)) {
        qCInfo(persistenceLog).noquote()
            << QStringLiteral("hand %1 is booked already").arg(QString::fromStdString(mark.ending));
        return;
    }
    changeProfile([&](Profile& profile) {
        for (const auto& entry : entries) {
            Ledger::apply(entry, profile);
        }
        profile.lastBooked = mark;
    });
}

void AppState::resumeStarted() {
    if (!store_) {
        return;
    }
    const QString save = store_->savedGameDigest();
    store_->markResuming({save, save == strikes_.save ? strikes_.stops : 0});
}

void AppState::resumeSettled() {
    strikes_ = {};
    if (store_) {
        store_->clearResumeMark();
    }
}

void AppState::checkpoint(const std::optional<SavedGame>& game) {
    setSavedGame(game);
    if (!store_) {
        return;
    }
    // The profile reaches the disk first, the table after it. A table saved ahead of the profile would
    // be resumed after a stop with the hands booked in between lost. The save of a table that is over
    // goes only once the profile booking its end is on disk, else a stop would lose that booking; and
    // a save a read-only folder keeps would offer the ended table to be booked again. Either waits
    // and is retried like a failed write. A profile the store keeps as it is is never written this
    // run: a table is saved without it, as the next start has no profile of this run to go with it.
    if (profileFileBehind_) {
        saveProfile();
    }
    if (profileFileBehind_ && !game) {
        savedGameFailing_ = true;
        retryLater();
        return;
    }
    if (profileFileBehind_ && !store_->isKept(PersistenceStore::profileFileName)) {
        noteWriteFailed(savedGameFailing_,
                        QStringLiteral("couldn't save the game: the profile before it isn't saved"));
        return;
    }
    if (!game) {
        removeSavedGame();
        return;
    }
    try {
        store_->writeSavedGame(*game);
        saveRemovalFailing_ = false;
        noteWriteSucceeded(savedGameFailing_, QStringLiteral("the game is saved again"));
    } catch (const std::exception& error) {
        noteWriteFailed(savedGameFailing_, QStringLiteral("couldn't save the game: %1").arg(error.what()));
    }
}

void AppState::removeSavedGame() {
    // Left behind, a save of a table that is over would offer it again, or hold a hand booked already.
    if (const auto failure = store_->deleteSavedGame()) {
        savedGameFailing_ = true;
        noteWriteFailed(
            saveRemovalFailing_,
            QStringLiteral("couldn't remove %1: %2").arg(PersistenceStore::savedGameFileName, *failure));
        return;
    }
    savedGameFailing_ = false;
    noteWriteSucceeded(saveRemovalFailing_,
                       QStringLiteral("%1 is removed").arg(PersistenceStore::savedGameFileName));
}

void AppState::saveProfile() {
    if (!store_) {
        return;
    }
    try {
        store_->writeProfile(profile_);
        noteWriteSucceeded(profileFileBehind_, QStringLiteral("the profile is saved again"));
    } catch (const std::exception& error) {
        noteWriteFailed(profileFileBehind_,
                        QStringLiteral("couldn't save the profile: %1").arg(error.what()));
    }
}

// A write that keeps failing (a full disk) would otherwise log a line at every move: only the first
// failure and the recovery are told.
void AppState::noteWriteFailed(bool& failing, const QString& message) {
    if (!failing) {
        qCCritical(persistenceLog).noquote() << message;
    }
    failing = true;
    retryLater();
}

void AppState::noteWriteSucceeded(bool& failing, const QString& message) {
    if (failing) {
        qCInfo(persistenceLog).noquote() << message;
    }
    failing = false;
}

void AppState::setBotSpeed(BotSpeed speed) {
    changeProfile([&](Profile& profile) { profile.settings.botSpeed = speed; });
}

void AppState::setAutoDeal(bool on) {
    changeProfile([&](Profile& profile) { profile.settings.autoDeal = on; });
}

void AppState::setFourColorDeck(bool on) {
    changeProfile([&](Profile& profile) { profile.settings.fourColorDeck = on; });
}

void AppState::setSoundsOn(bool on) {
    changeProfile([&](Profile& profile) { profile.settings.soundsOn = on; });
}

void AppState::setShowStackInMenuBar(bool on) {
    changeProfile([&](Profile& profile) { profile.settings.showStackInMenuBar = on; });
}

void AppState::setHotkey(const HotkeySetting& hotkey) {
    changeProfile([&](Profile& profile) { profile.settings.hotkey = hotkey; });
}

void AppState::setDefaultTable(GameMode mode) {
    changeProfile([&](Profile& profile) { profile.settings.defaultTable = mode; });
}

void AppState::setLaunchSurface(LaunchSurface surface) {
    changeProfile([&](Profile& profile) { profile.settings.launchSurface = surface; });
}

void AppState::setLearningMode(bool on) {
    changeProfile([&](Profile& profile) { profile.settings.learningMode = on; });
}

void AppState::setChoices(const NewGameChoices& choices) {
    changeProfile([&](Profile& profile) { profile.choices = choices; });
}
