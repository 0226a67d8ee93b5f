// Descriptor watches over Qt's socket notifiers, which the event loop
// polls together with its timers and posted messages.
#include "platform/readiness.h"

#include "platform/window/qt_application_qt.h"

#include <QSocketNotifier>

namespace nimbo {

struct DescriptorWatch::State {
    int descriptor;
    std::function<void()> ready;
    std::unique_ptr<QSocketNotifier> notifier;
    // Set by the destructor while the handler runs, so that the handler's
    // return does not touch a notifier Qt may still be delivering through.
    bool* gone = nullptr;
};

DescriptorWatch::DescriptorWatch(int descriptor, Readiness kind, std::function<void()> ready)
    : d_(std::make_unique<State>())
{
    qt::EnsureApplication();
    d_->descriptor = descriptor;
    d_->ready = std::move(ready);
    d_->notifier = std::make_unique<QSocketNotifier>(
        descriptor, kind == Readiness::Read ? QSocketNotifier::Read : QSocketNotifier::Write);
    State* state = d_.get();
    QObject::connect(d_->notifier.get(), &QSocketNotifier::activated, [state] {
        if (!state->ready)
            return;
        bool gone = false;
        state->gone = &gone;
        const auto ready = state->ready;  // the handler may replace or end the watch
        ready();
        if (!gone)
            state->gone = nullptr;
    });
}

DescriptorWatch::~DescriptorWatch()
{
    if (d_->gone)
        *d_->gone = true;
    d_->notifier->setEnabled(false);
    // Qt may be delivering this notifier's activation right now: let the
    // loop delete it once that has returned.
    d_->notifier.release()->deleteLater();
}

int DescriptorWatch::Descriptor() const
{
    return d_->descriptor;
}

bool DescriptorWatch::Enabled() const
{
    return d_->notifier->isEnabled();
}

void DescriptorWatch::SetEnabled(bool enabled)
{
    d_->notifier->setEnabled(enabled);
}

}  // namespace nimbo
