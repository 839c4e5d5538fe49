// Saves page 1 of a service report, as a customer gets it, as docs/service-report.png: a job on
// a controller that cut out under load, read from the simulator's blocks, with a recording.
// Run by hand (needs pdftoppm from poppler-utils): ./report_shot [picture.png] [report.pdf]

#include "jobs/service_events.h"
#include "monitor/status_layout.h"
#include "monitor/status_record.h"
#include "params/parameter_file.h"
#include "report/qt/report_document.h"
#include "report/report_content.h"

#include "block_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

namespace {

using namespace motiview;

constexpr std::int64_t kStart = 1796032800000;
constexpr std::int64_t kMinute = 60000;

ParameterSet read_controller(const std::vector<std::string>& texts) {
    const auto store = sim::BlockStore::with_texts(texts);
    ParameterSet set;
    set.userName = "WORKSHOP 7";
    for (const PageId page : kAllPages) {
        set.pages.push_back(entry_from_reply(page, store.ok() ? store->block(page) : Unit{}));
    }
    return set;
}

Unit status(std::uint16_t current, std::uint16_t history, double vdc, double speed, double idc) {
    StatusValues v;
    v.set(StatusField::CurrentFaults, current);
    v.set(StatusField::HistoryFaults, history);
    v.set(StatusField::Vdc, stored_for(StatusField::Vdc, vdc));
    v.set(StatusField::Speed, stored_for(StatusField::Speed, speed));
    v.set(StatusField::Idc, stored_for(StatusField::Idc, idc));
    v.set(StatusField::MotorTemp, stored_for(StatusField::MotorTemp, 34));
    v.set(StatusField::PowerTemp, stored_for(StatusField::PowerTemp, 31));
    v.set(StatusField::State, 3);
    Unit u{};
    u[31] = kEndByte;
    write_status(v, u);
    return u;
}

// A test ride: away from standstill, a climb that pulls the battery down, and back.
bool write_ride(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        return false;
    }
    f.write(QByteArray::fromStdString(record_header() + "\n"));
    for (int i = 0; i <= 300; ++i) {
        const double t = i * 0.1;
        const double speed = t < 24 ? 3200 * (1 - std::exp(-t / 4)) : 3200 * (30 - t) / 6;
        const double idc = (t < 24 ? 38 * std::exp(-t / 5) + (t > 12 && t < 20 ? 22 : 6) : 1) +
                           1.5 * std::sin(t * 7);
        const double vdc = 52.4 - idc * 0.06;
        const auto row = record_row(status(0, 0, vdc, speed, idc), "2026-11-30T10:32:00.000+00:00",
                                    static_cast<long long>(i) * 100);
        f.write(QByteArray::fromStdString(row + "\n"));
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QString picture =
        QFileInfo(argc > 1 ? QString::fromLocal8Bit(argv[1])
                           : QStringLiteral(MOTIVIEW_DOCS_DIR "/service-report.png"))
            .absoluteFilePath();
    const QString keepPdf =
        argc > 2 ? QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath() : QString();
    QTemporaryDir dir;
    // The recording by a name relative to the working folder: the same report, the same id,
    // on every run.
    const QString ride = QStringLiteral("ride-1032.csv");
    if (!dir.isValid() || !QDir::setCurrent(dir.path()) || !write_ride(ride)) {
        std::fprintf(stderr, "cannot write the recording in %s\n", qPrintable(dir.path()));
        return 1;
    }

    ReportInput in;
    in.job.number = "2026-0042";
    in.job.technician = "A. Weber";
    in.job.vehicle = "Cargo bike DE-4711, customer Jansen";
    in.job.complaint = "Cuts out when climbing with a load; over-current light.";
    in.job.workDone = "Read the controller, raised the max speed as agreed,\n"
                      "tested the hall sensors, test ride recorded.";
    in.job.startedMs = kStart;
    in.job.finishedMs = kStart + 48 * kMinute;
    in.job.state = std::string(kJobFinished);
    in.tool = "2.0.0.7";
    in.createdMs = kStart + 49 * kMinute;
    in.found = read_controller({});
    in.left = read_controller({"basic.txtMaxspeed=4600", "basic.txtEcospeed=3000"});
    in.statusFound = status(0x0020, 0x0020 | 0x0402, 51.8, 0, 0);
    in.statusLeft = status(0, 0x0020 | 0x0402, 52.3, 0, 0);
    in.comparedWith = "as found at the start of the job";
    const auto at = [](std::int64_t minutes) { return kStart + minutes * kMinute; };
    const auto event = [](const ServiceEvent& e, std::int64_t timeMs) {
        return EventRecord{0, "", timeMs, 1, e.kind, e.summary, e.detail};
    };
    in.events.push_back(event(*fault_event(FaultWord::Current, 0x0020, 0), at(6)));
    in.events.push_back(
        event(write_event(PageId::Basic, in.found->pages.front().reply.value(),
                          in.left->pages.front().reply.value(), "written, verified"),
              at(14)));
    in.events.push_back(event(hall_test_event("a", "passed, sectors 57 63 58 62 59 61"), at(21)));
    in.events.push_back(event(recording_event(ride.toStdString(), 30.0, 301), at(32)));

    const auto time = [](std::int64_t ms) {
        return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC)
            .toString(QStringLiteral("yyyy-MM-dd HH:mm"))
            .toStdString();
    };
    const QString pdf = dir.filePath(QStringLiteral("job-2026-0042.pdf"));
    const Result<std::string> id = write_report(report_content(in, time), ReportFiles{pdf, {}, {}});
    if (!id) {
        std::fprintf(stderr, "%s\n", id.error().message.c_str());
        return 1;
    }
    const QString stem = dir.filePath(QStringLiteral("page"));
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {"-png", "-r", "60", "-f", "1", "-l", "1", "-singlefile", pdf, stem});
    if (!render.waitForFinished(60000) || render.exitCode() != 0) {
        std::fprintf(stderr, "pdftoppm failed: %s\n", qPrintable(render.errorString()));
        return 1;
    }
    QFile::remove(picture);
    if (!QFile::copy(stem + QStringLiteral(".png"), picture)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(picture));
        return 1;
    }
    if (!keepPdf.isEmpty()) {
        QFile::remove(keepPdf);
        QFile::copy(pdf, keepPdf);
    }
    std::printf("%s (report %s)\n", qPrintable(picture), id->c_str());
    return 0;
}
