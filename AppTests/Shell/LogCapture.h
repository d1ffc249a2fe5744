#pragma once

#include <QLoggingCategory>
#include <QString>
#include <QStringList>

// Collects the "Chipwhistle.surfaces" lines written while it exists, in order; errors are marked.
class LogCapture {
  public:
    LogCapture() {
        lines().clear();
        QLoggingCategory::setFilterRules(QStringLiteral("Chipwhistle.surfaces.info=true"));
        previous_ = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture() { qInstallMessageHandler(previous_); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    static QStringList& lines() {
        static QStringList captured;
        return captured;
    }
    // The lines that start with `prefix`.
    static QStringList starting(const QString& prefix) {
        QStringList found;
        for (const QString& line : lines()) {
            if (line.startsWith(prefix)) {
                found << line;
            }
        }
        return found;
    }

  private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (QLatin1String(context.category) == QLatin1String("Chipwhistle.surfaces")) {
            lines() << (type == QtCriticalMsg ? QStringLiteral("ERROR ") : QString()) + message;
        }
    }
    QtMessageHandler previous_ = nullptr;
};
