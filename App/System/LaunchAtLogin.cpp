#include "System/LaunchAtLogin.h"

#include "LaunchPlan.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

constexpr char entryName[] = "chipwhistle.desktop";

QString quoted(QString argument) {
    // Inside double quotes a backslash, a double quote, a backquote and a dollar sign are escaped.
    QString escaped;
    for (const QChar c : argument) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"') || c == QLatin1Char('`') ||
            c == QLatin1Char('$')) {
            escaped += QLatin1Char('\\');
        }
        escaped += c;
    }
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// A desktop-entry string: its own escapes for the backslash and the control characters.
QString desktopString(QString value) {
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    value.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    value.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    value.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return value;
}

QString readEntry(const QString& path) {
    QFile entry(path);
    return entry.open(QIODevice::ReadOnly) ? QString::fromUtf8(entry.readAll()) : QString();
}

} // namespace

QString desktopExecLine(const QStringList& arguments) {
    QStringList parts;
    for (const QString& argument : arguments) {
        parts << quoted(argument);
    }
    QString line = parts.join(QLatin1Char(' '));
    line.replace(QLatin1Char('%'), QStringLiteral("%%"));
    // The value is a desktop-entry string too, whose own escaping reads "\\" as one backslash.
    line.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return line;
}

LaunchAtLogin::LaunchAtLogin(QString autostartFolder, QString program, QObject* parent)
    : QObject(parent)
    , folder_(autostartFolder.isEmpty()
                  ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/autostart"
                  : std::move(autostartFolder))
    , program_(program.isEmpty() ? QCoreApplication::applicationFilePath() : std::move(program)) {
    upgradeEntryWithoutTryExec();
    status_ = currentStatus();
}

void LaunchAtLogin::upgradeEntryWithoutTryExec() {
    // Entries of earlier versions name no TryExec, so once the program is removed the session tries
    // to start a missing program at every login. One that starts this very program is written anew.
    const QString text = readEntry(entryPath());
    const QString exec = QStringLiteral("\nExec=%1\n").arg(execLine());
    if (text.contains(exec) && !text.contains(QLatin1String("\nTryExec=")) &&
        !text.contains(QLatin1String("\nHidden=true"))) {
        writeEntry();
    }
}

QString LaunchAtLogin::execLine() const {
    return desktopExecLine({program_, QString::fromLatin1(launchedAtLoginArgument)});
}

QString LaunchAtLogin::entryPath() const {
    return folder_ + QLatin1Char('/') + QLatin1String(entryName);
}

void LaunchAtLogin::setStatus(LoginItemStatus status) {
    if (status == status_) {
        return;
    }
    status_ = status;
    emit statusChanged();
}

void LaunchAtLogin::setError(std::optional<QString> error) {
    if (error == error_) {
        return;
    }
    error_ = std::move(error);
    emit errorChanged();
}

LoginItemStatus LaunchAtLogin::currentStatus() const {
    QFile entry(entryPath());
    if (!entry.open(QIODevice::ReadOnly)) {
        return LoginItemStatus::notRegistered;
    }
    // An entry the desktop was told to hide (its autostart settings do that) does not start anything.
    const QString text = QString::fromUtf8(entry.readAll());
    return text.contains(QLatin1String("\nHidden=true")) ? LoginItemStatus::notRegistered
                                                         : LoginItemStatus::enabled;
}

QString LaunchAtLogin::entryText() const {
    // TryExec makes the session skip the entry once the program is gone (a removed package leaves
    // the entry behind in the player's home).
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Chipwhistle\n"
                          "Comment=Texas Hold'em against computer opponents, in the tray\n"
                          "TryExec=%1\n"
                          "Exec=%2\n"
                          "Icon=chipwhistle\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(desktopString(program_), execLine());
}

std::optional<QString> LaunchAtLogin::writeEntry() const {
    QSaveFile file(entryPath());
    if (!QDir().mkpath(folder_)) {
        return QStringLiteral("Couldn't create the folder %1.").arg(QDir::toNativeSeparators(folder_));
    }
    if (!file.open(QIODevice::WriteOnly) || file.write(entryText().toUtf8()) < 0 || !file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

void LaunchAtLogin::set(bool launchAtLogin) {
    setError(std::nullopt);
    if (launchAtLogin) {
        setError(writeEntry());
    } else {
        QFile file(entryPath());
        if (file.exists() && !file.remove()) {
            setError(file.errorString());
        }
    }
    setStatus(currentStatus());
}
