#include "sim_process.h"

#include "link/supervisor.h"
#include "pages/page_schema.h"
#include "ui/page_window.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace motiview::test {

SimProcess::SimProcess(const QStringList& extraArgs, const QString& link) : link_(link) {
    QStringList args{QStringLiteral("--link"),        linkPath(),
                     QStringLiteral("--dump-blocks"), dumpPath(),
                     QStringLiteral("--max-seconds"), QStringLiteral("120")};
    args += extraArgs;
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start(QStringLiteral(MOTIVIEW_SIM_PATH), args);
    if (!process_.waitForStarted(5000)) {
        return;
    }
    // The first line is the pty path; the symlink follows it.
    for (int i = 0; i < 100 && !QFile::exists(linkPath()); ++i) {
        process_.waitForReadyRead(50);
    }
    started_ = QFile::exists(linkPath());
}

SimProcess::~SimProcess() {
    stop();
}

void SimProcess::stop() {
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }
}

std::map<std::string, std::string> SimProcess::dumped(int timeoutMs) const {
    std::map<std::string, std::string> out;
    (void)QTest::qWaitFor(
        [&] {
            out = blocks();
            return out.size() == kPageCount;
        },
        timeoutMs);
    return out;
}

QString SimProcess::errorOutput() {
    return QString::fromLocal8Bit(process_.readAllStandardError());
}

std::map<std::string, std::string> SimProcess::blocks() const {
    std::map<std::string, std::string> out;
    QFile f(dumpPath());
    if (!f.open(QIODevice::ReadOnly)) {
        return out;
    }
    for (const QByteArray& line : f.readAll().split('\n')) {
        const auto space = line.indexOf(' ');
        if (space > 0) {
            out[line.left(space).toStdString()] = line.mid(space + 1).trimmed().toStdString();
        }
    }
    return out;
}

Rig::Rig(const QStringList& simArgs) {
    sim = std::make_unique<SimProcess>(simArgs);
    qputenv("MOTIVIEW_COM1", sim->linkPath().toLocal8Bit());
    port = std::make_unique<SerialPort>();
    window = std::make_unique<MainWindow>(*port);
    window->show();
}

Rig::~Rig() {
    // Close the windows while the port still exists; no quit from the test's application.
    window->blockSignals(true);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != window.get() && w->isVisible()) {
            w->close();
        }
    }
    if (port->isOpen()) {
        port->close();
    }
    window.reset();
    port.reset();
    sim.reset();
    QApplication::processEvents();
}

bool Rig::connect(int timeoutMs) {
    window->Menu_Option_ComSet_Click();
    QWidget* dialog = nullptr;
    (void)QTest::qWaitFor(
        [&] {
            dialog = window->findChild<QWidget*>(QStringLiteral("frmComSet"));
            return dialog != nullptr && dialog->isVisible();
        },
        3000);
    if (dialog == nullptr) {
        return false;
    }
    auto* ports = dialog->findChild<QComboBox*>(QStringLiteral("cboPortNumber"));
    auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("cmdComOK"));
    if (ports == nullptr || ok == nullptr) {
        return false;
    }
    ports->setCurrentIndex(0);
    QTest::mouseClick(ok, Qt::LeftButton);
    return waitForState(LinkState::Online, timeoutMs);
}

bool Rig::waitForState(LinkState state, int timeoutMs) {
    // The display follows the state at the next poll tick, so wait for the label too.
    const QString shown = QString::fromStdString(link_display(state, 1, {}).label);
    return QTest::qWaitFor(
        [&] { return window->link().state == state && labelText("lblWelCom1") == shown; },
        timeoutMs);
}

QString Rig::labelText(const char* name) const {
    auto* l = window->findChild<QLabel*>(QString::fromUtf8(name));
    return l != nullptr ? l->text() : QStringLiteral("<missing %1>").arg(QString::fromUtf8(name));
}

QString write_top_speed(Rig& rig, const QString& text) {
    QTest::mouseClick(rig.window->findChild<QPushButton*>(QStringLiteral("cmdBasic")),
                      Qt::LeftButton);
    PageWindow* page = nullptr;
    if (!QTest::qWaitFor(
            [&] {
                page = rig.window->page(PageId::Basic);
                return page != nullptr && page->collectState().filled;
            },
            4000)) {
        return {};
    }
    auto* speed = page->findChild<QLineEdit*>(QStringLiteral("txtMaxspeed"));
    const QString before = speed->text();
    speed->selectAll();
    QTest::keyClicks(speed, text);
    QTest::mouseClick(page->findChild<QPushButton*>(QStringLiteral("cmdwrite")), Qt::LeftButton);
    return before;
}

QString waitForMessage(const QString& containing, int timeoutMs) {
    QString found;
    (void)QTest::qWaitFor(
        [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (box != nullptr && box->isVisible() && box->text().contains(containing)) {
                    found = box->text();
                    box->close();
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

} // namespace motiview::test
