#include "Game/DecisionRunner.h"

#include "PokerEngine/EvaluatorTables.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThreadPool>

void ThreadPoolDecisionRunner::run(Work work, Done done) {
    // The application object outlives every table; `done` itself checks whether its controller and
    // table still exist when the answer arrives.
    QThreadPool::globalInstance()->start([work = std::move(work), done = std::move(done)]() mutable {
        Decision decision = work();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [done = std::move(done), decision = std::move(decision)]() mutable { done(std::move(decision)); },
            Qt::QueuedConnection);
    });
}

void ThreadPoolDecisionRunner::prepare() {
    // Built once per run; a GUI-thread caller arriving meanwhile waits only for the rest of the build.
    QThreadPool::globalInstance()->start([] { static_cast<void>(PokerEngine::EvaluatorTables::shared()); });
}
