#include "ControllerHarness.h"
#include "Game/BotSeating.h"
#include "Game/DecisionRunner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>

TEST(ThreadPoolDecisionRunner, DecidesOffTheGuiThreadAndAnswersOnIt) {
    ThreadPoolDecisionRunner runner;
    QThread* const gui = QThread::currentThread();
    std::atomic<QThread*> workedOn = nullptr;
    QThread* answeredOn = nullptr;
    std::optional<DecisionRunner::Decision> answer;
    runner.run(
        [&] {
            workedOn = QThread::currentThread();
            PokerEngine::SeededRNG rng(7, 1);
            rng.next();
            return DecisionRunner::Decision{PokerEngine::Action::call(), rng};
        },
        [&](DecisionRunner::Decision decision) {
            answeredOn = QThread::currentThread();
            answer = decision;
        });
    QElapsedTimer waited;
    waited.start();
    while (!answer && waited.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    ASSERT_TRUE(answer);
    EXPECT_NE(workedOn.load(), gui);
    EXPECT_EQ(answeredOn, gui);
    EXPECT_EQ(answer->action, PokerEngine::Action::call());
    PokerEngine::SeededRNG expected(7, 1);
    expected.next();
    EXPECT_EQ(answer->rng, expected);
}

namespace {

// Counts what the controller readies; decides at once.
class PreparingRunner final : public DecisionRunner {
  public:
    explicit PreparingRunner(int& prepared)
        : prepared_(prepared) {}
    void run(Work work, Done done) override { done(work()); }
    void prepare() override { ++prepared_; }

  private:
    int& prepared_;
};

} // namespace

TEST(GameController, ReadiesHandEvaluationWhenATableStartsAndWhenOneIsResumed) {
    int prepared = 0;
    ControllerHarness first(std::make_unique<PreparingRunner>(prepared));
    first.controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::medium, 3, 1)));
    EXPECT_EQ(prepared, 1);
    const SavedGame saved = *first.controller.snapshot();

    int preparedOnResume = 0;
    ControllerHarness second(std::make_unique<PreparingRunner>(preparedOnResume));
    second.controller.restore(saved);
    EXPECT_EQ(preparedOnResume, 1);
}
