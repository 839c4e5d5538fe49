#pragma once
// Runs a LineClient (a session, or a workflow on one) over a transport from the event loop: a
// 100 ms timer gives it ticks, the transport's units go to it as they arrive, and a drain it asks
// for lasts until the line has been quiet for kQuietGapMs, at most one tick. A port that closes
// under it ends what is in progress. Nothing waits: the window goes on polling and painting, and
// the command line runs the same driver from its own event loop.

#include "link/line_client.h"
#include "link/qt/transport.h"

#include <QObject>
#include <QString>
#include <QTimer>

namespace motiview {

class SessionDriver final : public QObject {
    Q_OBJECT
  public:
    explicit SessionDriver(Transport& port, QObject* parent = nullptr);
    ~SessionDriver() override;
    SessionDriver(const SessionDriver&) = delete;
    SessionDriver& operator=(const SessionDriver&) = delete;
    SessionDriver(SessionDriver&&) = delete;
    SessionDriver& operator=(SessionDriver&&) = delete;

    // Sends what is due and runs until `client` is idle. The client must outlive the run (or
    // the run is abandon()ed first).
    void run(LineClient& client);
    // Forgets the client at once: nothing more is sent for it and finished() is not emitted.
    void abandon();
    [[nodiscard]] bool running() const { return client_ != nullptr; }
    // The port closed during the run.
    [[nodiscard]] bool portLost() const { return lost_; }
    [[nodiscard]] const QString& lostReason() const { return lostReason_; }

  signals:
    // Something happened: the client may have finished steps.
    void progressed();
    // A retry or a lost acknowledgement, for the traffic monitor.
    void note(const QString& text);
    // The client is idle (all done, failed, stopped, or the port closed).
    void finished();

  private:
    void onUnit(const Unit& unit);
    void onTick();
    void onDiscarded();
    void onPortClosed(const QString& reason);
    void endDrain(bool quiet);
    void advance();
    void disconnectPort();

    Transport& port_;
    LineClient* client_ = nullptr;
    QTimer tick_;
    QTimer quiet_; // restarted by every byte dropped while draining
    QTimer cap_;   // a drain lasts at most one tick
    bool draining_ = false;
    bool advancing_ = false;
    bool lost_ = false;
    QString lostReason_;
    QMetaObject::Connection units_;
    QMetaObject::Connection discarded_;
    QMetaObject::Connection closed_;
};

} // namespace motiview
