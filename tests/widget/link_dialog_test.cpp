#include "ui/com_settings_dialog.h"

#include "case_names.h"
#include "fake_transport.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <utility>

#ifdef Q_OS_UNIX
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace motiview;
using motiview::test::ByLabel;
using motiview::test::FakeTransport;
using motiview::test::label_name;

namespace {

template <class T> T* child(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(QLatin1String(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

struct Fixture {
    LinkConfig config;
    FakeTransport port;
    std::unique_ptr<ComSettingsDialog> dialog;

    void make() {
        dialog = std::make_unique<ComSettingsDialog>(config, port);
        dialog->show();
    }
    QComboBox* list(const char* name) { return child<QComboBox>(*dialog, name); }
    void choose(const char* name, const QString& text) {
        QComboBox* box = list(name);
        const int i = box->findText(text);
        ASSERT_GE(i, 0) << name << " " << text.toStdString();
        box->setCurrentIndex(i);
    }
    void clickOk() { QTest::mouseClick(child<QPushButton>(*dialog, "cmdComOK"), Qt::LeftButton); }
    QList<QMessageBox*> boxes() { return dialog->findChildren<QMessageBox*>(); }
};

QStringList items(QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i) {
        out.append(box->itemText(i));
    }
    return out;
}

// ---- layout -----------------------------------------------------------------------------

struct ListCase {
    const char* list;
    const char* label;
    const char* caption;
    QStringList items;
    QString selected;
};

class DialogLists : public ::testing::TestWithParam<ListCase> {};

TEST_P(DialogLists, ItemsPreselectionCaptionAndBuddy) {
    const auto& c = GetParam();
    Fixture f;
    f.make();
    QComboBox* box = f.list(c.list);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(items(box), c.items);
    EXPECT_EQ(box->currentText(), c.selected);
    auto* label = child<QLabel>(*f.dialog, c.label);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), c.caption);
    EXPECT_EQ(label->buddy(), box);
    EXPECT_EQ(label->font().family().toLower(), "verdana");
    EXPECT_EQ(label->font().pointSize(), 10);
    EXPECT_TRUE(label->alignment() & Qt::AlignLeft);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, DialogLists,
    ::testing::Values(
        ListCase{"cboPortNumber",
                 "lblComPort",
                 "Port Number:",
                 {"1", "2", "3", "4", "5", "6", "7", "8", "9"},
                 ""},
        ListCase{"cboBaudRate",
                 "lblBaudRate",
                 "Baud Rate:",
                 {"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"},
                 "57600"},
        ListCase{"cboDataBit", "lblDataBit", "Data Bit:", {"7", "8"}, "8"},
        ListCase{"cboStopBit", "lblStopBit", "Stop Bit:", {"1", "1.5", "2"}, "1"},
        ListCase{"cboParity", "lblParity", "Parity:", {"NONE", "ODD", "EVEN"}, "NONE"}),
    ByLabel<&ListCase::list>{});

TEST(ComSettingsDialog, CaptionsAndFonts) {
    Fixture f;
    f.make();
    EXPECT_EQ(f.dialog->objectName(), "frmComSet");
    EXPECT_EQ(f.dialog->windowTitle(), "Serial Port Setting");
    EXPECT_EQ(f.dialog->font().family().toLower(), "verdana");
    EXPECT_EQ(f.dialog->font().pointSize(), 10);
    auto* frame = child<QGroupBox>(*f.dialog, "fmManuPara");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), "Serial Port Parameters");
    EXPECT_EQ(frame->font().family().toLower(), "verdana");
    EXPECT_EQ(frame->font().pointSize(), 10);
    auto* ok = child<QPushButton>(*f.dialog, "cmdComOK");
    auto* cancel = child<QPushButton>(*f.dialog, "cmdComCancel");
    ASSERT_NE(ok, nullptr);
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(ok->text(), "Ok");
    EXPECT_EQ(cancel->text(), "Cancel");
}

TEST(ComSettingsDialog, PortListShowsTheLastAppliedPortOnly) {
    Fixture f;
    f.config.portNumber = 4;
    f.config.settings = QStringLiteral("1200,e,7,2");
    f.make();
    EXPECT_EQ(f.list("cboPortNumber")->currentText(), "4");
    // The line lists start the same whatever is in use.
    EXPECT_EQ(f.list("cboBaudRate")->currentText(), "57600");
    EXPECT_EQ(f.list("cboParity")->currentText(), "NONE");
}

TEST(ComSettingsDialog, DeviceLabelNamesWhatTheNumberResolvesTo) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString device = dir.filePath(QStringLiteral("ttyFAKE0"));
    QFile file(device);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    qputenv("MOTIVIEW_COM2", device.toLocal8Bit());
    qputenv("MOTIVIEW_COM8", dir.filePath(QStringLiteral("missing")).toLocal8Bit());

    Fixture f;
    f.make();
    auto* label = child<QLabel>(*f.dialog, "lblComDevice");
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->text().isEmpty());
    f.choose("cboPortNumber", QStringLiteral("2"));
    EXPECT_EQ(label->text(), device);
    f.choose("cboPortNumber", QStringLiteral("8"));
    EXPECT_EQ(label->text(), "not present");
    qunsetenv("MOTIVIEW_COM2");
    qunsetenv("MOTIVIEW_COM8");
}

// ---- Ok ---------------------------------------------------------------------------------

struct OkCase {
    const char* port;
    const char* baud;
    const char* data;
    const char* stop;
    const char* parity;
    const char* settings;
    LineSettings line;
};

class DialogOk : public ::testing::TestWithParam<OkCase> {};

TEST_P(DialogOk, OpensTheChosenPortWithTheChosenLine) {
    const auto& c = GetParam();
    Fixture f;
    f.make();
    QSignalSpy opened(f.dialog.get(), &ComSettingsDialog::portOpened);
    f.choose("cboPortNumber", QLatin1String(c.port));
    f.choose("cboBaudRate", QLatin1String(c.baud));
    f.choose("cboDataBit", QLatin1String(c.data));
    f.choose("cboStopBit", QLatin1String(c.stop));
    f.choose("cboParity", QLatin1String(c.parity));
    f.clickOk();
    EXPECT_EQ(f.config.settings, c.settings);
    EXPECT_EQ(f.config.portNumber, QString::fromLatin1(c.port).toInt());
    EXPECT_EQ(f.port.comNumber, QString::fromLatin1(c.port).toInt());
    EXPECT_EQ(f.port.settings.baud, c.line.baud);
    EXPECT_EQ(f.port.settings.parity, c.line.parity);
    EXPECT_EQ(f.port.settings.dataBits, c.line.dataBits);
    EXPECT_EQ(f.port.settings.stopBits, c.line.stopBits);
    EXPECT_EQ(f.port.opens, 1);
    EXPECT_TRUE(f.port.isOpen());
    EXPECT_EQ(opened.count(), 1);
    EXPECT_FALSE(f.dialog->isVisible());
    EXPECT_EQ(f.dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(f.port.sent.empty()); // the dialog opens, the poll timer sends
}

INSTANTIATE_TEST_SUITE_P(
    Choices, DialogOk,
    ::testing::Values(OkCase{"3", "57600", "8", "1", "NONE", "57600,n,8,1",
                             LineSettings{57600, Parity::None, 8, StopBits::One}},
                      OkCase{"1", "115200", "7", "2", "EVEN", "115200,e,7,2",
                             LineSettings{115200, Parity::Even, 7, StopBits::Two}},
                      OkCase{"9", "1200", "8", "1.5", "ODD", "1200,o,8,1.5",
                             LineSettings{1200, Parity::Odd, 8, StopBits::OneAndHalf}}),
    // "com3_57600_n_8_1"
    [](const ::testing::TestParamInfo<OkCase>& p) {
        return std::string("com") + p.param.port + "_" + label_name(p.param.settings);
    });

struct FailCase {
    const char* name;
    bool notFound;
    const char* text;
};

class DialogOpenFails : public ::testing::TestWithParam<FailCase> {};

TEST_P(DialogOpenFails, ShowsTheMessageAndStaysOpen) {
    const auto& c = GetParam();
    Fixture f;
    f.port.failOpen = true;
    f.port.notFound = c.notFound;
    f.make();
    QSignalSpy opened(f.dialog.get(), &ComSettingsDialog::portOpened);
    f.choose("cboPortNumber", QStringLiteral("3"));
    f.choose("cboBaudRate", QStringLiteral("19200"));
    f.clickOk();

    const auto boxes = f.boxes();
    ASSERT_EQ(boxes.size(), 1);
    QMessageBox* box = boxes.front();
    EXPECT_EQ(box->text(), c.text);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(box->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_TRUE(f.dialog->isVisible());
    EXPECT_EQ(opened.count(), 0);
    EXPECT_EQ(f.config.portNumber, 0);
    EXPECT_FALSE(f.port.isOpen());
    // The settings string is replaced before the open is tried.
    EXPECT_EQ(f.config.settings, "19200,n,8,1");
    box->close();

    // Another choice can follow.
    f.port.failOpen = false;
    f.choose("cboPortNumber", QStringLiteral("4"));
    f.clickOk();
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(f.config.portNumber, 4);
}

INSTANTIATE_TEST_SUITE_P(Outcomes, DialogOpenFails,
                         ::testing::Values(FailCase{"not_found", true, "COM port does not exist."},
                                           FailCase{"other", false, "COM3 cannot be opened"}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(ComSettingsDialog, OkWithoutAPortDoesNothing) {
    Fixture f;
    f.make();
    QSignalSpy opened(f.dialog.get(), &ComSettingsDialog::portOpened);
    f.clickOk();
    EXPECT_EQ(f.port.opens, 0);
    EXPECT_TRUE(f.boxes().isEmpty());
    EXPECT_TRUE(f.dialog->isVisible());
    EXPECT_EQ(opened.count(), 0);
    EXPECT_EQ(f.config.settings, "9600,n,8,1");
}

TEST(ComSettingsDialog, OkWhileOpenChangesNothing) {
    Fixture f;
    ASSERT_TRUE(f.port.open().ok);
    f.config.portNumber = 2;
    f.config.settings = QStringLiteral("9600,n,8,1");
    f.make();
    QSignalSpy opened(f.dialog.get(), &ComSettingsDialog::portOpened);
    f.choose("cboPortNumber", QStringLiteral("5"));
    f.choose("cboBaudRate", QStringLiteral("115200"));
    f.clickOk();
    EXPECT_EQ(f.config.settings, "9600,n,8,1");
    EXPECT_EQ(f.config.portNumber, 2);
    EXPECT_EQ(f.port.opens, 1);
    EXPECT_EQ(f.port.comNumber, 0); // never configured
    EXPECT_EQ(opened.count(), 0);
    EXPECT_FALSE(f.dialog->isVisible());
}

TEST(ComSettingsDialog, CancelChangesNothing) {
    Fixture f;
    f.make();
    f.choose("cboPortNumber", QStringLiteral("5"));
    QTest::mouseClick(child<QPushButton>(*f.dialog, "cmdComCancel"), Qt::LeftButton);
    EXPECT_FALSE(f.dialog->isVisible());
    EXPECT_EQ(f.dialog->result(), QDialog::Rejected);
    EXPECT_EQ(f.port.opens, 0);
    EXPECT_EQ(f.config.portNumber, 0);
    EXPECT_EQ(f.config.settings, "9600,n,8,1");
}

// ---- the note beside the port list ------------------------------------------------------

// MOTIVIEW_COM<n> set for the test's lifetime.
class ComOverrides {
  public:
    void set(int n, const QString& device) {
        const QByteArray name = "MOTIVIEW_COM" + QByteArray::number(n);
        qputenv(name.constData(), QFile::encodeName(device));
        names_.append(name);
    }
    ~ComOverrides() {
        for (const QByteArray& name : names_) {
            qunsetenv(name.constData());
        }
    }

  private:
    QList<QByteArray> names_;
};

bool make_file(const QString& path, QFileDevice::Permissions mode) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.setPermissions(mode);
}

struct NoteSeen {
    bool visible = false;
    QString text;
};

NoteSeen note_of(Fixture& f) {
    auto* note = child<QLabel>(*f.dialog, "lblComNote");
    return note == nullptr ? NoteSeen{} : NoteSeen{note->isVisible(), note->text()};
}

TEST(ComSettingsDialog, NoteSaysWhenNoSerialDeviceIsPresent) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ComOverrides com;
    for (int n = 1; n <= 9; ++n) {
        com.set(n, dir.filePath(QStringLiteral("ttyGONE%1").arg(n)));
    }
    Fixture f;
    f.make();
    // Said as the dialog opens, with no number chosen yet and nothing tried.
    NoteSeen seen = note_of(f);
    EXPECT_TRUE(seen.visible);
    EXPECT_TRUE(seen.text.startsWith("No serial device is present")) << seen.text.toStdString();
    EXPECT_EQ(f.port.opens, 0);
    f.choose("cboPortNumber", QStringLiteral("3"));
    EXPECT_TRUE(note_of(f).visible);

    // An adapter plugged in meanwhile: the next choice finds it and the note goes.
    ASSERT_TRUE(make_file(dir.filePath(QStringLiteral("ttyGONE5")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    f.choose("cboPortNumber", QStringLiteral("5"));
    seen = note_of(f);
    EXPECT_FALSE(seen.visible);
    EXPECT_TRUE(seen.text.isEmpty()) << seen.text.toStdString();
    // Another number without a device is only "not present" beside the list.
    f.choose("cboPortNumber", QStringLiteral("4"));
    EXPECT_FALSE(note_of(f).visible);
    EXPECT_EQ(child<QLabel>(*f.dialog, "lblComDevice")->text(), "not present");
}

#ifdef Q_OS_UNIX
// The check runs as an unprivileged user: as this user when it is not root, else in a child
// that has become uid 65534 (root may open every device).
TEST(ComSettingsDialog, NoteNamesTheDialoutFixWhenTheDeviceIsNotPermitted) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QFile::setPermissions(
        dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                        QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                        QFileDevice::ExeOther));
    const QString locked = dir.filePath(QStringLiteral("ttyLOCKED0"));
    const QString open = dir.filePath(QStringLiteral("ttyOPEN0"));
    ASSERT_TRUE(make_file(locked, {}));
    ASSERT_TRUE(make_file(open, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                    QFileDevice::ReadOther | QFileDevice::WriteOther));
    ComOverrides com;
    com.set(1, locked);
    com.set(2, open);

    // The note for COM 1, then whether it is still shown for COM 2.
    const auto look = [] {
        Fixture f;
        f.make();
        f.choose("cboPortNumber", QStringLiteral("1"));
        const NoteSeen one = note_of(f);
        f.choose("cboPortNumber", QStringLiteral("2"));
        return std::make_pair(one, note_of(f).visible);
    };
    NoteSeen one;
    bool shownForTwo = true;
    if (::geteuid() != 0) {
        std::tie(one, shownForTwo) = look();
    } else {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(fds[0]);
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
                ::_exit(2);
            }
            const auto [seen, two] = look();
            const QByteArray out = QByteArray(seen.visible ? "1" : "0") +
                                   QByteArray(two ? "1" : "0") + seen.text.toUtf8();
            (void)!::write(fds[1], out.constData(), static_cast<std::size_t>(out.size()));
            ::_exit(0);
        }
        ::close(fds[1]);
        QByteArray got;
        char buf[512];
        for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;) {
            got.append(buf, static_cast<qsizetype>(n));
        }
        ::close(fds[0]);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        ASSERT_GE(got.size(), 2);
        one = NoteSeen{got[0] == '1', QString::fromUtf8(got.mid(2))};
        shownForTwo = got[1] == '1';
    }
    EXPECT_TRUE(one.visible);
    EXPECT_TRUE(one.text.contains(locked)) << one.text.toStdString();
    EXPECT_TRUE(one.text.contains("sudo usermod -aG dialout $USER")) << one.text.toStdString();
    EXPECT_TRUE(one.text.contains("log out and in")) << one.text.toStdString();
    EXPECT_FALSE(shownForTwo);
}
#endif

} // namespace
