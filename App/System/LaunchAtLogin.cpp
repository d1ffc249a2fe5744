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
    status_ = currentStatus();
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
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Chipwhistle\n"
                          "Comment=Texas Hold'em against computer opponents, in the tray\n"
                          "Exec=%1\n"
                          "Icon=chipwhistle\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(desktopExecLine({program_, QString::fromLatin1(launchedAtLoginArgument)}));
}

void LaunchAtLogin::set(bool launchAtLogin) {
    setError(std::nullopt);
    if (launchAtLogin) {
        QSaveFile file(entryPath());
        if (!QDir().mkpath(folder_)) {
            setError(QStringLiteral("Couldn't create the folder %1.").arg(QDir::toNativeSeparators(folder_)));
        } else if (!file.open(QIODevice::WriteOnly) || file.write(entryText().toUtf8()) < 0 ||
                   !file.commit()) {
            setError(file.errorString());
        }
    } else {
        QFile file(entryPath());
        if (file.exists() && !file.remove()) {
            setError(file.errorString());
        }
    }
    setStatus(currentStatus());
}
