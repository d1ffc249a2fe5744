#include "Views/Support/LostKeys.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

LostKeys::LostKeys(QWidget& root, std::function<void()> takeKeys)
    : QObject(&root)
    , root_(root)
    , takeKeys_(std::move(takeKeys)) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!now)
            checkSoon();
    });
}

void LostKeys::checkSoon() {
    // After the current event: a control going away may hand the keys on before it returns.
    QTimer::singleShot(0, this, [this] {
        const QWidget* window = root_.window();
        if (root_.isVisible() && window->isActiveWindow() && !QApplication::focusWidget())
            takeKeys_();
    });
}
