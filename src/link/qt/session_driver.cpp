#include "link/qt/session_driver.h"

#include "link/exchange.h"
#include "link/session.h"

namespace motiview {

namespace {
constexpr int kTickMs = 1000 / kTicksPerSecond;
} // namespace

SessionDriver::SessionDriver(Transport& port, QObject* parent) : QObject(parent), port_(port) {
    tick_.setInterval(kTickMs);
    connect(&tick_, &QTimer::timeout, this, &SessionDriver::onTick);
    quiet_.setSingleShot(true);
    quiet_.setInterval(kQuietGapMs);
    connect(&quiet_, &QTimer::timeout, this, [this] { endDrain(true); });
    cap_.setSingleShot(true);
    cap_.setInterval(kTickMs);
    connect(&cap_, &QTimer::timeout, this, [this] { endDrain(true); });
}

SessionDriver::~SessionDriver() {
    abandon();
}

void SessionDriver::run(LineClient& client) {
    abandon();
    client_ = &client;
    lost_ = false;
    lostReason_.clear();
    units_ = connect(&port_, &Transport::unitReceived, this, &SessionDriver::onUnit);
    discarded_ = connect(&port_, &Transport::bytesDiscarded, this, &SessionDriver::onDiscarded);
    closed_ = connect(&port_, &Transport::portClosed, this, &SessionDriver::onPortClosed);
    tick_.start();
    advance();
}

void SessionDriver::abandon() {
    if (client_ == nullptr) {
        return;
    }
    if (draining_) {
        draining_ = false;
        port_.setDraining(false);
    }
    quiet_.stop();
    cap_.stop();
    tick_.stop();
    disconnectPort();
    client_ = nullptr;
}

void SessionDriver::disconnectPort() {
    disconnect(units_);
    disconnect(discarded_);
    disconnect(closed_);
}

void SessionDriver::onUnit(const Unit& unit) {
    if (client_ != nullptr) {
        client_->on_unit(unit);
        advance();
    }
}

void SessionDriver::onTick() {
    if (client_ != nullptr) {
        client_->tick();
        advance();
    }
}

void SessionDriver::onDiscarded() {
    if (draining_) {
        quiet_.start(); // not quiet yet
    }
}

void SessionDriver::onPortClosed(const QString& reason) {
    if (client_ == nullptr) {
        return;
    }
    lost_ = true;
    lostReason_ = reason;
    endDrain(false);
    client_->line_lost();
    advance();
}

void SessionDriver::endDrain(bool quiet) {
    if (!draining_) {
        return;
    }
    draining_ = false;
    quiet_.stop();
    cap_.stop();
    port_.setDraining(false);
    if (quiet && client_ != nullptr) {
        client_->line_quiet();
        advance();
    }
}

void SessionDriver::advance() {
    // A receiver of progressed() may stop or abandon the client; sending from inside a send
    // (a port that reports its closing synchronously) must not start over.
    if (client_ == nullptr || advancing_) {
        return;
    }
    advancing_ = true;
    for (int round = 0; round < 2 && client_ != nullptr; ++round) {
        if (draining_ && !client_->draining()) {
            endDrain(false); // the client gave up waiting for quiet on its own tick
        }
        while (client_ != nullptr && !draining_) {
            const auto frame = client_->take_frame();
            if (!frame) {
                break;
            }
            if (!port_.send(*frame) && !port_.isOpen()) {
                lost_ = true;
                client_->line_lost();
                break;
            }
        }
        if (client_ != nullptr && !draining_ && client_->take_drain_request()) {
            draining_ = true;
            port_.setDraining(true);
            quiet_.start();
            cap_.start();
        }
        if (client_ == nullptr) {
            break;
        }
        for (const std::string& text : client_->take_notes()) {
            emit note(QString::fromStdString(text));
        }
        emit progressed(); // may queue more on the client: a second round sends it
    }
    advancing_ = false;
    if (client_ != nullptr && client_->idle()) {
        abandon();
        emit finished();
    }
}

} // namespace motiview
