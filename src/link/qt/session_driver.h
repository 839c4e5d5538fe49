#pragma once
// Runs a Session over a transport from the event loop: a 100 ms timer gives it ticks and the
// transport's units go to it as they arrive. Nothing waits: the window goes on polling and
// painting while a session reads or writes the controller.

#include "link/qt/transport.h"
#include "link/session.h"

#include <QObject>
#include <QTimer>

namespace motiview {

class SessionDriver final : public QObject {
    Q_OBJECT
  public:
    explicit SessionDriver(Transport& port, QObject* parent = nullptr);

    // Queue steps here, then start().
    [[nodiscard]] Session& session() { return session_; }
    // Sends what is due and runs until the session is idle.
    void start();
    // Drops what is queued; the step in progress ends without a result and nothing more is
    // sent.
    void cancel();
    [[nodiscard]] bool running() const { return running_; }

  signals:
    void stepFinished(const motiview::StepResult& result);
    // The session is idle (all steps done, a step failed, or cancelled).
    void finished();

  private:
    void onUnit(const Unit& unit);
    void onTick();
    void advance();

    Transport& port_;
    Session session_;
    QTimer timer_;
    QMetaObject::Connection units_;
    bool running_ = false;
};

} // namespace motiview
