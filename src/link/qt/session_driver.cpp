#include "link/qt/session_driver.h"

namespace motiview {

namespace {
constexpr int kTickMs = 1000 / kTicksPerSecond;
} // namespace

SessionDriver::SessionDriver(Transport& port, QObject* parent) : QObject(parent), port_(port) {
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &SessionDriver::onTick);
}

void SessionDriver::start() {
    if (!running_) {
        running_ = true;
        units_ = connect(&port_, &Transport::unitReceived, this, &SessionDriver::onUnit);
        timer_.start();
    }
    advance();
}

void SessionDriver::cancel() {
    session_.cancel();
    advance();
}

void SessionDriver::onUnit(const Unit& unit) {
    session_.on_unit(unit);
    advance();
}

void SessionDriver::onTick() {
    session_.tick();
    advance();
}

void SessionDriver::advance() {
    if (!running_) {
        return;
    }
    // A receiver of stepFinished may queue more steps, or cancel (and so finish) at once.
    for (const StepResult& r : session_.take_results()) {
        emit stepFinished(r);
        if (!running_) {
            return;
        }
    }
    while (const auto frame = session_.take_frame()) {
        (void)port_.send(*frame);
    }
    if (session_.idle()) {
        running_ = false;
        timer_.stop();
        disconnect(units_);
        emit finished();
    }
}

} // namespace motiview
