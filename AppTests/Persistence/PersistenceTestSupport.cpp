#include "PersistenceTestSupport.h"

#include <QMessageLogContext>

#include <cstring>

namespace {

QStringList& capturedMessages() {
    static QStringList messages;
    return messages;
}

QtMessageHandler& chainedHandler() {
    static QtMessageHandler handler = nullptr;
    return handler;
}

void capture(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (context.category && std::strcmp(context.category, "Chipwhistle.persistence") == 0) {
        capturedMessages().append(message);
        return;
    }
    if (chainedHandler()) {
        chainedHandler()(type, context, message);
    }
}

} // namespace

PersistenceLogCapture::PersistenceLogCapture() {
    capturedMessages().clear();
    previous_ = qInstallMessageHandler(capture);
    chainedHandler() = previous_;
}

PersistenceLogCapture::~PersistenceLogCapture() {
    qInstallMessageHandler(previous_);
    chainedHandler() = nullptr;
}

const QStringList& PersistenceLogCapture::messages() const {
    return capturedMessages();
}

bool PersistenceLogCapture::contains(const QString& fragment) const {
    for (const auto& message : capturedMessages()) {
        if (message.contains(fragment)) {
            return true;
        }
    }
    return false;
}
