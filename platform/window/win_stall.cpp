// The loop stall meter: a precise Qt timer and the longest gap between its
// firings.
#include "platform/test_support.h"

#include "platform/window/qt_application_qt.h"

#include <QTimer>

#include <algorithm>
#include <chrono>

namespace nimbo {

struct LoopStallMeter::State {
    QTimer timer;
    std::chrono::steady_clock::time_point last;
    double longestMs = 0;
    bool started = false;
};

LoopStallMeter::LoopStallMeter() : d_(std::make_unique<State>())
{
    qt::EnsureApplication();
    d_->timer.setTimerType(Qt::PreciseTimer);
    d_->timer.setInterval(1);
    State* state = d_.get();
    QObject::connect(&d_->timer, &QTimer::timeout, [state] {
        const auto now = std::chrono::steady_clock::now();
        if (state->started)
            state->longestMs =
                std::max(state->longestMs, std::chrono::duration<double, std::milli>(now - state->last).count());
        state->started = true;
        state->last = now;
    });
    d_->timer.start();
}

LoopStallMeter::~LoopStallMeter() = default;

double LoopStallMeter::LongestGapMs() const { return d_->longestMs; }

void LoopStallMeter::Reset()
{
    d_->longestMs = 0;
    d_->started = false;
}

}  // namespace nimbo
