#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

// The login item's state as the desktop reports it. Linux autostart never waits for approval and
// always finds the program, so only the first two arise here; Settings still shows every case.
enum class LoginItemStatus { notRegistered, enabled, requiresApproval, notFound };

// The Exec line of a desktop entry that runs `arguments` exactly: each argument quoted, with the
// characters the quoting reserves escaped, "%" doubled and the string escaping applied over it.
QString desktopExecLine(const QStringList& arguments);

// The XDG autostart entry that starts the program at login, with the argument that tells the launch
// sequence so. Written atomically; removed to switch it off. Lives on the GUI thread; status and
// error signal only on a real change.
class LaunchAtLogin final : public QObject {
    Q_OBJECT

  public:
    // `autostartFolder` defaults to $XDG_CONFIG_HOME/autostart; `program` to this executable.
    explicit LaunchAtLogin(QString autostartFolder = {}, QString program = {}, QObject* parent = nullptr);

    LoginItemStatus status() const { return status_; }
    void setStatus(LoginItemStatus status);
    // Why the last change failed; none after a success.
    const std::optional<QString>& error() const { return error_; }
    QString entryPath() const;

    // Reads the entry again.
    LoginItemStatus currentStatus() const;
    // Writes (true) or removes (false) the entry, then reads the status again.
    void set(bool launchAtLogin);

  signals:
    void statusChanged();
    void errorChanged();

  private:
    void setError(std::optional<QString> error);
    void upgradeEntryWithoutTryExec();
    QString execLine() const;
    QString entryText() const;
    // Why the entry could not be written; none when it was.
    std::optional<QString> writeEntry() const;

    QString folder_;
    QString program_;
    LoginItemStatus status_ = LoginItemStatus::notRegistered;
    std::optional<QString> error_;
};
