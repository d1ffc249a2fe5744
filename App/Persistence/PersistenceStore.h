#pragma once

#include "Persistence/Instant.h"
#include "Persistence/Loaded.h"
#include "Persistence/Profile.h"
#include "Persistence/SavedGame.h"
#include "Persistence/SyncFolder.h"

#include <nlohmann/json_fwd.hpp>

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>

// The player's two files, "profile.json" and "savedgame.json", in one folder. Reads give loaded,
// missing or unreadable; an unreadable file is logged and moved aside under a quarantine name, and
// writes are atomic. The store decides nothing about defaults.
//
// Changes reach the disk in the order they were made: a file is synced before it takes its name, and
// the folder after each name a file takes, loses or changes, so that a power cut never leaves a
// newer saved game beside an older profile. A folder that could not be synced is synced before the
// next change, which fails while it can't be.
//
// Only a file that does not exist reads as missing. A file the store could not read, or could not
// move aside, is kept exactly as it is: for the rest of the run the store refuses to write over it
// or delete it, so a passing read error never turns into a lost profile. Copies of a store share
// that memory, as they share a folder sync still owed.
class PersistenceStore {
  public:
    static constexpr std::int64_t currentSchemaVersion = 1;
    static inline const QString profileFileName = QStringLiteral("profile.json");
    static inline const QString savedGameFileName = QStringLiteral("savedgame.json");
    // Present while a resumed saved game has not yet got under way (see markResuming).
    static inline const QString resumeMarkFileName = QStringLiteral("savedgame.resuming");

    // Which save a resume is about (the digest of its file) and how many earlier runs stopped while
    // resuming that very save. A mark from an older version, or one that can't be read, names no save.
    struct ResumeMark {
        QString save;
        int stops = 0;
        bool operator==(const ResumeMark&) const = default;
    };

    // Makes the folder's entries durable or throws PersistenceError: syncFolder, unless a test stands
    // in for the disk. A folder its file system can't sync counts as synced, told once a run.
    using FolderSync = std::function<FolderSyncOutcome(const QString& directory)>;

    // Nothing happens on disk until the first write, which creates the folder.
    explicit PersistenceStore(QString directory, FolderSync folderSync = syncFolder);

    // "Chipwhistle" in the user's data folder (~/.local/share/Chipwhistle).
    static QString userDataDirectory();

    // The name an unreadable file is moved to: "profile.json" found at 09:30:05 UTC becomes
    // "profile.unreadable-2026-03-14T093005.json"; later attempts in the same second add "-2", "-3"...
    static QString quarantineFileName(const QString& fileName, Instant when, int attempt);

    const QString& directory() const { return directory_; }

    Loaded<Profile> readProfile() const;
    // Throws PersistenceError (or nlohmann's type_error for text that can't be encoded); the file on
    // disk is then as it was, or new but not sure to outlive a power cut when the folder could not be
    // synced.
    void writeProfile(const Profile& profile) const;

    Loaded<SavedGame> readSavedGame() const;
    // As writeProfile.
    void writeSavedGame(const SavedGame& game) const;
    // Removes "savedgame.json" if it can; never throws and logs nothing. Gives why the file is still
    // there, or could come back at a power cut, or none once no such file is left (a missing file
    // included).
    std::optional<QString> deleteSavedGame() const;
    // Moves "savedgame.json" aside under a quarantine name, as an unreadable file is, and gives the
    // path it now has; none when there was no file or it could not be moved (then it is kept).
    std::optional<QString> setAsideSavedGame() const;
    // Where this store (or a copy) moved `fileName` aside, once it has.
    std::optional<QString> setAsidePath(const QString& fileName) const;
    // The SHA-256 of "savedgame.json" in hex; empty when there is none or it can't be read.
    QString savedGameDigest() const;

    // A mark on disk that a saved game is being resumed. Written before the resumed table first
    // runs and removed once play on it is under way, it outlives a run that stopped meanwhile, so
    // the next start can tell. Neither fails; a mark that can't be written or removed is logged. The
    // mark takes its turn among the folder's changes, as the files' names do; its removal does not
    // wait for an earlier change's sync, which would keep it, and count a stop that never happened.
    void markResuming(const ResumeMark& mark) const;
    void clearResumeMark() const;
    bool hasResumeMark() const;
    std::optional<ResumeMark> readResumeMark() const;

    // Removes what an interrupted write left behind: the temporary files of "profile.json" and
    // "savedgame.json" (their name plus a dot and six letters or digits). Returns their names.
    QStringList removeStaleTemporaryFiles() const;

    // Whether `fileName` is kept as it is for the rest of the run: it is never written over.
    bool isKept(const QString& fileName) const;

  private:
    template <class T> Loaded<T> read(const QString& fileName) const;
    // The file's JSON once its schema version is accepted.
    Loaded<nlohmann::json> readChecked(const QString& fileName) const;
    void write(const nlohmann::json& value, const QString& fileName) const;
    std::optional<QString> remove(const QString& fileName) const;

    QString path(const QString& fileName) const;
    std::optional<QString> setAside(const QString& fileName) const;
    // Syncs the folder after a change of its entries; throws PersistenceError when it can't.
    void syncFolderChange() const;
    // Syncs the folder if a change of its entries has not reached the disk yet; throws when it can't.
    void syncEarlierFolderChange() const;

    QString directory_;
    FolderSync folderSync_;
    std::shared_ptr<std::set<QString>> keptFiles_;
    std::shared_ptr<std::map<QString, QString>> setAsideFiles_;
    // A change of the folder's entries is not known to be on the disk.
    std::shared_ptr<bool> folderChangeUnsynced_;
    // The folder's file system was found to have no sync for folders, and that was logged.
    std::shared_ptr<bool> folderSyncUnsupportedTold_;
};
