// A recording made by motiview-cli against the simulator, drawn again by motiview-cli plot with
// no display at all; and the refusals of plot, each before anything is written.

#include "case_names.h"
#include "cli_run.h"
#include "sim_process.h"

#include "link/frames.h"
#include "monitor/status_layout.h"
#include "monitor/status_record.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace motiview;
using namespace motiview::test;

// plot as a script on a machine without a display runs it: no DISPLAY, no platform chosen.
CliRun plot(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        env.remove(QString::fromLatin1(name));
    }
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(MOTIVIEW_CLI_PATH), QStringList{QStringLiteral("plot")} + args);
    CliRun r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

int pdf_pages(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        return -1;
    }
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(p.readAllStandardOutput());
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

TEST(EndToEndPlot, ARecordingFromTheSimulatorIsDrawnWithoutADisplay) {
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("ride.csv"));
    SimProcess sim({QStringLiteral("--fault"), QStringLiteral("over-heat")});
    ASSERT_TRUE(sim.started());
    const CliRun rec =
        cli(sim.linkPath(), {QStringLiteral("record"), csv, QStringLiteral("--seconds"),
                             QStringLiteral("3"), QStringLiteral("--rate"), QStringLiteral("5")});
    ASSERT_EQ(rec.code, 0) << rec.err.toStdString();

    const QString png = dir.filePath(QStringLiteral("ride.png"));
    const CliRun image = plot(
        {csv, QStringLiteral("--out"), png, QStringLiteral("--size"), QStringLiteral("800x450")});
    ASSERT_EQ(image.code, 0) << image.err.toStdString();
    EXPECT_TRUE(image.err.isEmpty()) << image.err.toStdString();
    EXPECT_TRUE(
        image.out.startsWith(QStringLiteral("wrote ") + png + QStringLiteral(" (800x450, ")))
        << image.out.toStdString();
    const QImage picture(png);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(800, 450));
    // Curves, axes and text: many colours, not a blank page.
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3) {
        for (int x = 0; x < picture.width(); x += 3) {
            colours.insert(picture.pixel(x, y));
        }
    }
    EXPECT_GT(colours.size(), 10U);

    const QString pdf = dir.filePath(QStringLiteral("ride.pdf"));
    const CliRun page =
        plot({csv, QStringLiteral("--out"), pdf, QStringLiteral("--channels"),
              QStringLiteral("vdc_v,speed_rpm"), QStringLiteral("--from"), QStringLiteral("0.5"),
              QStringLiteral("--to"), QStringLiteral("2.5")});
    ASSERT_EQ(page.code, 0) << page.err.toStdString();
    EXPECT_EQ(pdf_pages(pdf), 1);
}

struct Refusal {
    const char* name;
    const char* content; // nullptr: no file
    QStringList args;    // after FILE --out OUT
    const char* out;     // the output's file name
    int code;
    const char* says;
};

// "GOOD": five rows 0.2 s apart; "HEADER": the header alone; else the text itself.
QByteArray content_of(const char* content) {
    std::string text = record_header() + "\n";
    if (std::string_view(content) == "HEADER") {
        return QByteArray::fromStdString(text);
    }
    if (std::string_view(content) != "GOOD") {
        return QByteArray(content);
    }
    StatusValues v;
    v.set(StatusField::Vdc, 4820);
    v.set(StatusField::State, 3);
    Unit frame = controller_frame(UnitKind::Status).value();
    write_status(v, frame);
    for (int i = 0; i < 5; ++i) {
        text += record_row(frame, "2026-12-10T10:00:00.000+00:00", 200LL * i) + "\n";
    }
    return QByteArray::fromStdString(text);
}

class PlotRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(PlotRefusal, SaysWhyAndWritesNothing) {
    const Refusal& c = GetParam();
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("ride.csv"));
    if (c.content != nullptr) {
        QFile f(csv);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content_of(c.content));
    }
    const QString out = dir.filePath(QString::fromLatin1(c.out));
    const CliRun r = plot(QStringList{csv, QStringLiteral("--out"), out} + c.args);
    EXPECT_EQ(r.code, c.code) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    EXPECT_FALSE(QFile::exists(out));
}

const Refusal kRefusals[] = {
    {"NoFile", nullptr, {}, "a.png", 2, "ride.csv cannot be opened as a recording"},
    {"AnotherHeader", "a,b,c\n1,2,3\n", {}, "a.png", 2, "expected the header time,elapsed_s,"},
    {"EmptyFile", "", {}, "a.png", 2, "ride.csv cannot be opened as a recording"},
    {"HeaderOnly", "HEADER", {}, "a.png", 2, "The recording holds no rows to draw."},
    {"RangeWithoutRows",
     "GOOD",
     {"--from", "30", "--to", "40"},
     "a.png",
     2,
     "No rows between 30.000 s and 40.000 s; the recording runs from 0.000 s to 0.800 s."},
    {"RangeBackwards",
     "GOOD",
     {"--from", "0.6", "--to", "0.2"},
     "a.png",
     2,
     "The range ends (0.200 s) before it starts (0.600 s)."},
    {"UnknownChannel",
     "GOOD",
     {"--channels", "vdc_v,rpm"},
     "a.png",
     64,
     "no channel 'rpm'; the channels are vdc_v,idc_a,speed_rpm"},
    {"SizeWithoutX", "GOOD", {"--size", "1600*900"}, "a.png", 64, "expected WIDTHxHEIGHT"},
    {"SizeTooSmall", "GOOD", {"--size", "50x900"}, "a.png", 64, "each side is 100 to 10000"},
    {"NotAnImageSuffix", "GOOD", {}, "a.jpg", 64, "--out must end in .png or .pdf"},
};

INSTANTIATE_TEST_SUITE_P(Cases, PlotRefusal, ::testing::ValuesIn(kRefusals),
                         test::ByLabel<&Refusal::name>{});

} // namespace
