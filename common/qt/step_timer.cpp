#include "common/qt/step_timer.h"

#include "common/step_burst.h"

namespace trochograph {

namespace {

// How often turns held up by a modal box look whether it has gone.
constexpr int heldPollMilliseconds = 20;

}  // namespace

StepTimer::StepTimer(Step step, QObject* parent) : QObject(parent), step_(std::move(step))
{
    next_.setSingleShot(true);
    next_.setTimerType(Qt::PreciseTimer);
    connect(&next_, &QTimer::timeout, this, &StepTimer::turn);
}

void StepTimer::start()
{
    if (!turning_ && !next_.isActive()) next_.start(0);
}

void StepTimer::turn()
{
    next_.stop();
    if (held && held()) return next_.start(heldPollMilliseconds);
    turning_ = true;
    if (beforeTurn) beforeTurn();
    const std::optional<int> wait = runBurst(step_);
    turning_ = false;
    if (wait) next_.start(*wait);
    if (afterTurn) afterTurn();
}

}  // namespace trochograph
