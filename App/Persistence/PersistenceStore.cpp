#include "Persistence/PersistenceStore.h"

#include "Persistence/PersistenceError.h"
#include "Persistence/PersistenceLog.h"
#include "Persistence/WriteFully.h"
#include "PokerEngine/JsonRead.h"
#include "Json/StoredJson.h"

#include <nlohmann/json.hpp>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace {

// Enough for the same file turning up unreadable many times in one second; past that the file is
// simply kept where it is.
constexpr int quarantineAttempts = 100;

QString text(const std::exception& error) {
    return QString::fromUtf8(error.what());
}

} // namespace

PersistenceStore::PersistenceStore(QString directory, FolderSync folderSync)
    : directory_(std::move(directory))
    , folderSync_(std::move(folderSync))
    , keptFiles_(std::make_shared<std::set<QString>>())
    , setAsideFiles_(std::make_shared<std::map<QString, QString>>())
    , folderChangeUnsynced_(std::make_shared<bool>(false))
    , folderSyncUnsupportedTold_(std::make_shared<bool>(false)) {}

QString PersistenceStore::userDataDirectory() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Chipwhistle");
}

QString PersistenceStore::quarantineFileName(const QString& fileName, Instant when, int attempt) {
    const QString base = QFileInfo(fileName).completeBaseName();
    const QString suffix = attempt > 1 ? QStringLiteral("-%1").arg(attempt) : QString();
    return base + QStringLiteral(".unreadable-") + QString::fromStdString(compactTimestamp(when)) + suffix +
           QStringLiteral(".json");
}

QString PersistenceStore::path(const QString& fileName) const {
    return QDir(directory_).filePath(fileName);
}

bool PersistenceStore::isKept(const QString& fileName) const {
    return keptFiles_->count(fileName) > 0;
}

Loaded<Profile> PersistenceStore::readProfile() const {
    return read<Profile>(profileFileName);
}

void PersistenceStore::writeProfile(const Profile& profile) const {
    write(profile, profileFileName);
}

Loaded<SavedGame> PersistenceStore::readSavedGame() const {
    return read<SavedGame>(savedGameFileName);
}

void PersistenceStore::writeSavedGame(const SavedGame& game) const {
    write(game, savedGameFileName);
}

std::optional<QString> PersistenceStore::deleteSavedGame() const {
    return remove(savedGameFileName);
}

template <class T> Loaded<T> PersistenceStore::read(const QString& fileName) const {
    const auto document = readChecked(fileName);
    if (!document.isLoaded()) {
        return document.kind() == Loaded<nlohmann::json>::Kind::missing ? Loaded<T>::missing()
                                                                        : Loaded<T>::unreadable();
    }
    try {
        return Loaded<T>::loaded(document.value().template get<T>());
    } catch (const std::exception& error) {
        qCCritical(persistenceLog).noquote()
            << QStringLiteral("%1 is unreadable: %2").arg(fileName, text(error));
        setAside(fileName);
        return Loaded<T>::unreadable();
    }
}

Loaded<nlohmann::json> PersistenceStore::readChecked(const QString& fileName) const {
    QFile file(path(fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        if (!QFileInfo::exists(file.fileName())) {
            return Loaded<nlohmann::json>::missing();
        }
        qCCritical(persistenceLog).noquote()
            << QStringLiteral("couldn't read %1: %2; it is kept as it is").arg(fileName, file.errorString());
        keptFiles_->insert(fileName);
        return Loaded<nlohmann::json>::unreadable();
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        qCCritical(persistenceLog).noquote()
            << QStringLiteral("couldn't read %1: %2; it is kept as it is").arg(fileName, file.errorString());
        keptFiles_->insert(fileName);
        return Loaded<nlohmann::json>::unreadable();
    }
    file.close();

    nlohmann::json document;
    std::int64_t version = 0;
    try {
        document = nlohmann::json::parse(bytes.cbegin(), bytes.cend());
        version = PokerEngine::readInt(PokerEngine::jsonField(document, "schemaVersion"));
    } catch (const std::exception& error) {
        qCCritical(persistenceLog).noquote()
            << QStringLiteral("%1 is unreadable: %2").arg(fileName, text(error));
        setAside(fileName);
        return Loaded<nlohmann::json>::unreadable();
    }
    if (version > currentSchemaVersion) {
        qCCritical(persistenceLog).noquote() << QStringLiteral("%1 is schema %2, newer than %3")
                                                    .arg(fileName)
                                                    .arg(version)
                                                    .arg(currentSchemaVersion);
        setAside(fileName);
        return Loaded<nlohmann::json>::unreadable();
    }
    return Loaded<nlohmann::json>::loaded(std::move(document));
}

std::optional<QString> PersistenceStore::setAside(const QString& fileName) const {
    const Instant now = std::chrono::system_clock::now();
    const QDir directory(directory_);
    // A file moved aside is never read again, so the move must not reach the disk ahead of an earlier
    // change: a power cut that undid the booking of a save's finished hand would leave that hand
    // neither booked nor resumable.
    bool earlierChangesSynced = true;
    try {
        syncEarlierFolderChange();
    } catch (const PersistenceError&) {
        earlierChangesSynced = false;
    }
    for (int attempt = 1; earlierChangesSynced && attempt <= quarantineAttempts; ++attempt) {
        const QString target = directory.filePath(quarantineFileName(fileName, now, attempt));
        if (QFileInfo::exists(target)) {
            continue;
        }
        // Qt renames without replacing an existing file, so a name taken meanwhile just fails.
        if (QFile::rename(path(fileName), target)) {
            (*setAsideFiles_)[fileName] = target;
            // The move can't be taken back, so it is reported as done; a failed sync is remembered,
            // and no later change reaches the disk ahead of it.
            try {
                syncFolderChange();
            } catch (const PersistenceError&) {
            }
            return target;
        }
        if (!QFileInfo::exists(target)) {
            break;
        }
    }
    qCCritical(persistenceLog).noquote()
        << QStringLiteral("couldn't move %1 aside; it is kept as it is and won't be written over")
               .arg(fileName);
    keptFiles_->insert(fileName);
    return std::nullopt;
}

void PersistenceStore::write(const nlohmann::json& value, const QString& fileName) const {
    if (isKept(fileName)) {
        throw PersistenceError(
            QStringLiteral("%1 holds data that couldn't be read or moved aside, so it is not written over")
                .arg(fileName)
                .toStdString());
    }
    const std::string bytes = storedJsonText(value);
    if (!QDir().mkpath(directory_)) {
        throw PersistenceError(QStringLiteral("couldn't create the folder %1").arg(directory_).toStdString());
    }
    // This file's new name must not reach the disk ahead of an earlier change.
    syncEarlierFolderChange();
    QSaveFile file(path(fileName));
    // Unbuffered, so a full disk shows in the write itself rather than in a flush at commit,
    // which QSaveFile does not check; the sync makes the file system report space it could not
    // find for delayed writes. Only then does the new file replace the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        throw PersistenceError(file.errorString().toStdString());
    }
    try {
        writeFully(file, bytes);
    } catch (const PersistenceError&) {
        file.cancelWriting();
        throw;
    }
    if (::fsync(file.handle()) != 0) {
        const std::string reason = std::strerror(errno);
        file.cancelWriting();
        throw PersistenceError(reason);
    }
    if (!file.commit()) {
        throw PersistenceError(file.errorString().toStdString());
    }
    syncFolderChange();
}

std::optional<QString> PersistenceStore::remove(const QString& fileName) const {
    if (isKept(fileName)) {
        return QStringLiteral("it holds data that couldn't be read or moved aside, so it is kept as it is");
    }
    try {
        syncEarlierFolderChange();
        QFile file(path(fileName));
        if (file.remove()) {
            syncFolderChange();
        } else if (file.exists()) {
            return file.errorString();
        }
    } catch (const PersistenceError& error) {
        return QString::fromUtf8(error.what());
    }
    return std::nullopt;
}

// A folder sync that fails is not lost on the next write: file systems may write a folder's changes
// in any order, so were the next file to take its name unchecked, a power cut could keep that name
// and undo the earlier one, leaving a newer saved game beside the profile that missed the hands in
// between. Until the folder syncs, every change (a write, a removal, a move aside) fails instead,
// which the app state logs and retries as any failed write.
void PersistenceStore::syncFolderChange() const {
    *folderChangeUnsynced_ = true;
    if (folderSync_(directory_) == FolderSyncOutcome::unsupported && !*folderSyncUnsupportedTold_) {
        *folderSyncUnsupportedTold_ = true;
        qCWarning(persistenceLog).noquote()
            << QStringLiteral("the file system of %1 can't sync a folder; its changes are written in order "
                              "but reach the disk as the file system sees fit")
                   .arg(directory_);
    }
    *folderChangeUnsynced_ = false;
}

void PersistenceStore::syncEarlierFolderChange() const {
    if (*folderChangeUnsynced_) {
        syncFolderChange();
    }
}

std::optional<QString> PersistenceStore::setAsideSavedGame() const {
    if (!QFileInfo::exists(path(savedGameFileName))) {
        return std::nullopt;
    }
    return setAside(savedGameFileName);
}

std::optional<QString> PersistenceStore::setAsidePath(const QString& fileName) const {
    const auto found = setAsideFiles_->find(fileName);
    if (found == setAsideFiles_->end()) {
        return std::nullopt;
    }
    return found->second;
}

QString PersistenceStore::savedGameDigest() const {
    QFile file(path(savedGameFileName));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file)) {
        return {};
    }
    return QString::fromLatin1(hash.result().toHex());
}

void PersistenceStore::markResuming(const ResumeMark& mark) const {
    // Written in place: a mark cut short by a stop reads as naming no save, which sets nothing aside,
    // and leaves no temporary file behind. Its name takes its turn among the folder's changes like any
    // other file's.
    const nlohmann::json content{{"save", mark.save.toStdString()}, {"stops", mark.stops}};
    try {
        if (!QDir().mkpath(directory_)) {
            throw PersistenceError(
                QStringLiteral("couldn't create the folder %1").arg(directory_).toStdString());
        }
        syncEarlierFolderChange();
        QFile file(path(resumeMarkFileName));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
            throw PersistenceError(file.errorString().toStdString());
        }
        writeFully(file, content.dump());
        if (::fsync(file.handle()) != 0) {
            throw PersistenceError(std::strerror(errno));
        }
        file.close();
        syncFolderChange();
    } catch (const PersistenceError& error) {
        qCWarning(persistenceLog).noquote()
            << QStringLiteral("couldn't mark the saved game as resuming: %1").arg(text(error));
    }
}

std::optional<PersistenceStore::ResumeMark> PersistenceStore::readResumeMark() const {
    QFile file(path(resumeMarkFileName));
    if (!file.open(QIODevice::ReadOnly)) {
        return hasResumeMark() ? std::optional(ResumeMark{}) : std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    ResumeMark mark;
    try {
        const auto content = nlohmann::json::parse(bytes.cbegin(), bytes.cend());
        mark.save = QString::fromStdString(content.at("save").get<std::string>());
        mark.stops = std::clamp(content.at("stops").get<int>(), 0, 100);
    } catch (const std::exception&) {
        return ResumeMark{};
    }
    return mark;
}

void PersistenceStore::clearResumeMark() const {
    QFile mark(path(resumeMarkFileName));
    if (!mark.exists()) {
        return;
    }
    // Unlike a file's name, the mark's removal may reach the disk ahead of an earlier change: a power
    // cut that kept the removal and undid that change leaves a save resumed as after any stop, which
    // is all the mark tells. Its own sync, failing, is owed to the next change as any other.
    if (!mark.remove()) {
        qCWarning(persistenceLog).noquote()
            << QStringLiteral("couldn't remove the resume mark: %1").arg(mark.errorString());
        return;
    }
    try {
        syncFolderChange();
    } catch (const PersistenceError&) {
    }
}

bool PersistenceStore::hasResumeMark() const {
    return QFileInfo::exists(path(resumeMarkFileName));
}

QStringList PersistenceStore::removeStaleTemporaryFiles() const {
    static const QRegularExpression temporary(
        QStringLiteral(R"(^(profile|savedgame)\.json\.[A-Za-z0-9]{6}$)"));
    QStringList removed;
    const QDir directory(directory_);
    for (const QString& name :
         directory.entryList({QStringLiteral("*.json.??????")}, QDir::Files | QDir::Hidden)) {
        if (temporary.match(name).hasMatch() && QFile::remove(directory.filePath(name))) {
            removed << name;
        }
    }
    return removed;
}
