#pragma once

#include "GameSession.h"
#include "Persistence/Instant.h"
#include "Persistence/PersistenceStore.h"
#include "Persistence/Profile.h"
#include "Persistence/SavedGame.h"
#include "Persistence/SetAsideReason.h"
#include "Scheduler.h"

#include <QObject>
#include <QTimeZone>

#include <cstdint>
#include <functional>
#include <optional>

// The one owner of the player's persistent data in the running process: the live profile and the
// table in progress. It loads both at construction, saves the profile after every change and writes
// or deletes the saved game on request. Without a store (a test host) it works on memory alone.
//
// Lives on the GUI thread. Each change signal fires only when the value really changed. In memory the
// object is the authority: after a failed write it keeps the new values, remembers which file is
// behind and writes it again at the next change, or at the next retry once it is given a scheduler.
// A failing file logs its first failure and its recovery, not every repeat.
class AppState : public QObject, public GameSession {
    Q_OBJECT

  public:
    using Clock = std::function<Instant()>;

    static Instant systemNow() { return std::chrono::system_clock::now(); }

    // Reads the profile and the saved game from the store and, for an onboarded player, runs the
    // daily refill. `calendar` is the time zone whose midnights start the refill's days.
    explicit AppState(std::optional<PersistenceStore> store, Clock now = systemNow,
                      QTimeZone calendar = QTimeZone::systemTimeZone(), QObject* parent = nullptr);
    // A run that ends normally was not stopped by a resume: its mark goes.
    ~AppState() override;

    // Resumes in a row that a save may stop, before the kill or crash is held against it and the save
    // set aside; one stop is as likely a power cut or a logout as a fault in the save.
    static constexpr int resumeStopsBeforeSetAside = 2;

    // The program is about to end of its own accord (Quit, a stop signal, the session's logout):
    // writes that failed are tried once more, and nothing on disk may read as a stop by the resumed
    // save.
    void prepareToEnd();

    // How often a file that is behind is tried again, so that what a full or read-only folder
    // refused reaches the disk soon after the folder takes writes, with no change needed.
    static constexpr Scheduler::Duration writeRetryPeriod{2000};
    // From now on writes that failed are retried through `scheduler`, which must outlive this object.
    void retryFailedWritesOn(Scheduler& scheduler);

    const Profile& profile() const { return profile_; }
    // Saves the profile when it differs from the current one.
    void setProfile(const Profile& profile);

    const std::optional<SavedGame>& savedGame() const { return savedGame_; }
    // Touches no file; checkpoint() is the writer.
    void setSavedGame(const std::optional<SavedGame>& game);

    // A saved game this start did not offer for resume, until the player has been told: where its
    // file is kept (empty when it was removed) and why.
    struct SetAsideSave {
        QString keptAt;
        SetAsideReason reason = SetAsideReason::damaged;
        bool operator==(const SetAsideSave&) const = default;
    };
    const std::optional<SetAsideSave>& untoldSetAsideSave() const { return untoldSetAsideSave_; }
    void setAsideSaveTold() { untoldSetAsideSave_.reset(); }

    // The chips the latest daily refill of this run added; 0 when none did.
    std::int64_t lastRefillAmount() const { return lastRefillAmount_; }
    void setLastRefillAmount(std::int64_t amount);

    // The bankroll less what the saved game would forfeit; may be negative.
    std::int64_t spendable() const;

    // The daily refill; the lobby runs it each time it is shown.
    void refillIfNewDay();
    // Books the saved game's forfeit as the end of a game of its mode and deletes the save.
    void abandonSavedGame();
    // Marks the player onboarded with a fresh bankroll; today counts as refilled.
    void completeOnboarding();
    // Back to 10,000 chips; counters, refill marks, settings and the saved game stay.
    void resetBankroll();

    void record(const SessionEvent& event) override;
    void checkpoint(const std::optional<SavedGame>& game) override;
    void recordHand(const std::vector<SessionEvent>& entries, const BookedHand& mark) override;
    void resumeStarted() override;
    void resumeSettled() override;

    // Each setting reads and writes one field of the profile, saved when it changes.
    BotSpeed botSpeed() const { return profile_.settings.botSpeed; }
    void setBotSpeed(BotSpeed speed);
    bool autoDeal() const { return profile_.settings.autoDeal; }
    void setAutoDeal(bool on);
    bool fourColorDeck() const { return profile_.settings.fourColorDeck; }
    void setFourColorDeck(bool on);
    bool soundsOn() const { return profile_.settings.soundsOn; }
    void setSoundsOn(bool on);
    bool showStackInMenuBar() const { return profile_.settings.showStackInMenuBar; }
    void setShowStackInMenuBar(bool on);
    const HotkeySetting& hotkey() const { return profile_.settings.hotkey; }
    void setHotkey(const HotkeySetting& hotkey);
    GameMode defaultTable() const { return profile_.settings.defaultTable; }
    void setDefaultTable(GameMode mode);
    LaunchSurface launchSurface() const { return profile_.settings.launchSurface; }
    void setLaunchSurface(LaunchSurface surface);
    bool learningMode() const { return profile_.settings.learningMode; }
    void setLearningMode(bool on);
    const NewGameChoices& choices() const { return profile_.choices; }
    void setChoices(const NewGameChoices& choices);

  signals:
    void profileChanged();
    void savedGameChanged();
    void lastRefillAmountChanged();

  private:
    template <class Change> void changeProfile(Change change) {
        Profile changed = profile_;
        change(changed);
        setProfile(changed);
    }
    void saveProfile();
    // Removes "savedgame.json"; a failure is logged once and retried like a failed write.
    void removeSavedGame();
    // At start-up: counts a stop during the last resume against the save it was about, and sets the
    // save aside once it has stopped the game too often.
    void weighResumeMark();
    // At start-up: books the saved game's finished hand if a stop came before its booking, and
    // deletes the save when that hand ended the table, or when the save stands before a hand the
    // profile has booked already.
    void settleSavedHand();
    // Whether the saved game stands before the end of the last hand booked at its table: its last
    // write failed and a stop came after the booking.
    bool savedGameIsBehindItsBooking() const;
    // Writes again each file that is behind.
    void catchUp();
    // Plans the next catch-up while a file that can still be written is behind.
    void retryLater();
    void noteWriteFailed(bool& failing, const QString& message);
    static void noteWriteSucceeded(bool& failing, const QString& message);

    std::optional<PersistenceStore> store_;
    Clock now_;
    QTimeZone calendar_;
    Profile profile_;
    std::optional<SavedGame> savedGame_;
    std::int64_t lastRefillAmount_ = 0;
    std::optional<SetAsideSave> untoldSetAsideSave_;
    // The save the last run stopped while resuming, and how many runs in a row it has stopped.
    PersistenceStore::ResumeMark strikes_;
    // A write of the profile failed and no later one has succeeded.
    bool profileFileBehind_ = false;
    // The same for the saved game, or its save waits for the profile, or the save of a table that is
    // over is still to be removed.
    bool savedGameFailing_ = false;
    // A removal of the save failed and no later one, nor a write of it, has succeeded.
    bool saveRemovalFailing_ = false;
    Scheduler* retryScheduler_ = nullptr;
    ScheduledWork retry_;
};
