#pragma once
// The window's recording of status frames: the command line's CSV, fed from the receive path.
// It stamps each row with the wall clock and the time since the start, reports its progress,
// and ends itself with a message when the file cannot be written (full disk, device gone).

#include "base/bytes.h"
#include "monitor/status_recorder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QString>

namespace motiview {

class Recorder final : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // Empty on success, otherwise what the user is told. A recording already running ends
    // first.
    QString start(const QString& path);
    // One status frame, as it arrives. Ignored while not recording.
    void addFrame(const Unit& frame);
    // Closes the file; a no-op while not recording.
    void stop();

    [[nodiscard]] bool recording() const { return file_.recording(); }
    [[nodiscard]] long long rows() const { return file_.rows(); }
    // Since the start; frozen when the recording ends.
    [[nodiscard]] qint64 elapsedMs() const { return recording() ? clock_.elapsed() : lastMs_; }
    [[nodiscard]] QString path() const { return QFile::decodeName(file_.path().c_str()); }
    // "Recording ride.csv: 120 rows, 12.0 s", in the window's language.
    [[nodiscard]] QString progressText() const;

  signals:
    void progress(long long rows, qint64 elapsedMs);
    // The recording ended: `message` is empty after stop(), the reason after a failure.
    void stopped(const QString& message);

  private:
    StatusRecorder file_;
    QElapsedTimer clock_;
    qint64 lastMs_ = 0;
};

} // namespace motiview
