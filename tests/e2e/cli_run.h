#pragma once
// motiview-cli as a process, as a script runs it: LC_ALL=C, MOTIVIEW_PORT set, and a service
// history of the test run's own (never the user's).

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <unistd.h>

namespace motiview::test {

struct CliRun {
    int code = -1;
    QString out;
    QString err;
    qint64 ms = 0;
};

// The history the runs keep unless a test names its own.
inline QString run_history() {
    static const QTemporaryDir dir;
    return dir.filePath(QStringLiteral("history.sqlite"));
}

inline CliRun cli(const QString& port, const QStringList& args, bool unprivileged = false,
                  const QString& history = run_history()) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    env.insert(QStringLiteral("MOTIVIEW_PORT"), port);
    env.insert(QStringLiteral("MOTIVIEW_HISTORY"), history);
    p.setProcessEnvironment(env);
    if (unprivileged) {
        p.setChildProcessModifier([] {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
                ::_exit(99);
            }
        });
    }
    QElapsedTimer clock;
    clock.start();
    p.start(QStringLiteral(MOTIVIEW_CLI_PATH), args);
    CliRun r;
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.ms = clock.elapsed();
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace motiview::test
