#include "Persistence/PersistenceStore.h"

#include "Persistence/PersistenceError.h"
#include "Persistence/PersistenceLog.h"
#include "Persistence/StoredJson.h"
#include "PokerEngine/JsonRead.h"

#include <nlohmann/json.hpp>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Enough for the same file turning up unreadable many times in one second; past that the file is
// simply kept where it is.
constexpr int quarantineAttempts = 100;

QString text(const std::exception& error) {
    return QString::fromUtf8(error.what());
}

} // namespace

PersistenceStore::PersistenceStore(QString directory)
    : directory_(std::move(directory))
    , keptFiles_(std::make_shared<std::set<QString>>()) {}

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

void PersistenceStore::deleteSavedGame() const {
    remove(savedGameFileName);
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

void PersistenceStore::setAside(const QString& fileName) const {
    const Instant now = std::chrono::system_clock::now();
    const QDir directory(directory_);
    for (int attempt = 1; attempt <= quarantineAttempts; ++attempt) {
        const QString target = directory.filePath(quarantineFileName(fileName, now, attempt));
        if (QFileInfo::exists(target)) {
            continue;
        }
        // Qt renames without replacing an existing file, so a name taken meanwhile just fails.
        if (QFile::rename(path(fileName), target)) {
            return;
        }
        if (!QFileInfo::exists(target)) {
            break;
        }
    }
    qCCritical(persistenceLog).noquote()
        << QStringLiteral("couldn't move %1 aside; it is kept as it is and won't be written over")
               .arg(fileName);
    keptFiles_->insert(fileName);
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
    QSaveFile file(path(fileName));
    if (!file.open(QIODevice::WriteOnly)) {
        throw PersistenceError(file.errorString().toStdString());
    }
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (!file.commit()) {
        throw PersistenceError(file.errorString().toStdString());
    }
}

void PersistenceStore::remove(const QString& fileName) const {
    if (isKept(fileName)) {
        qCWarning(persistenceLog).noquote()
            << QStringLiteral("%1 is kept as it is, not deleted").arg(fileName);
        return;
    }
    QFile::remove(path(fileName));
}
