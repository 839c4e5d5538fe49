#include "ui/recorder.h"

#include "base/qt/locale_format.h"

#include <QFile>
#include <QFileInfo>

namespace motiview {
QString Recorder::start(const QString& path) {
    stop();
    clock_.start();
    lastMs_ = 0;
    const Result<bool> r = file_.start(QFile::encodeName(path).toStdString(), 0);
    if (!r.ok()) {
        return QString::fromStdString(r.error().message);
    }
    emit progress(0, 0);
    return {};
}

void Recorder::addFrame(const Unit& frame) {
    if (!file_.recording()) {
        return;
    }
    const qint64 now = clock_.elapsed();
    lastMs_ = now;
    const Result<bool> r = file_.add(frame, local_time_text(), now);
    if (!r.ok()) {
        emit stopped(QString::fromStdString(r.error().message));
        return;
    }
    emit progress(file_.rows(), now);
}

void Recorder::stop() {
    if (!file_.recording()) {
        return;
    }
    lastMs_ = clock_.elapsed();
    const Result<bool> r = file_.stop();
    emit stopped(r.ok() ? QString() : QString::fromStdString(r.error().message));
}

QString Recorder::progressText() const {
    return tr("Recording %1: %2 rows, %3 s")
        .arg(QFileInfo(path()).fileName())
        .arg(rows())
        .arg(static_cast<double>(elapsedMs()) / 1000.0, 0, 'f', 1);
}

} // namespace motiview
