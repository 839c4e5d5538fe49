// The serial wrapper on real pseudo-terminals: the test holds the controller's end (master),
// the wrapper opens the slave through MOTIVIEW_COM1 pointing at a symlink.
#include "link/qt/serial_port.h"

#include <QDir>
#include <QFile>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <ostream>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace motiview;

namespace {

constexpr int kWaitMs = 5000;

class Pty {
  public:
    Pty() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) {
            const char* name = ::ptsname(master_);
            slave_ = name != nullptr ? QString::fromLocal8Bit(name) : QString();
            ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
        }
    }
    ~Pty() { hangUp(); }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    [[nodiscard]] bool ok() const { return master_ >= 0 && !slave_.isEmpty(); }
    [[nodiscard]] const QString& slave() const { return slave_; }

    void write(const Bytes& bytes) const {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    // Everything the wrapper has written so far.
    Bytes drain() const {
        Bytes out;
        std::uint8_t buf[256];
        while (true) {
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n <= 0) {
                break;
            }
            out.insert(out.end(), buf, buf + n);
        }
        return out;
    }

    // Waits (pumping the event loop) until `count` bytes have come out of the wrapper.
    Bytes receive(std::size_t count) const {
        Bytes got;
        (void)QTest::qWaitFor(
            [&] {
                const Bytes more = drain();
                got.insert(got.end(), more.begin(), more.end());
                return got.size() >= count;
            },
            kWaitMs);
        return got;
    }

    // Waits until what has come out of the wrapper ends with `tail`; returns all of it.
    Bytes receiveThrough(const Bytes& tail) const {
        Bytes got;
        (void)QTest::qWaitFor(
            [&] {
                const Bytes more = drain();
                got.insert(got.end(), more.begin(), more.end());
                return got.size() >= tail.size() &&
                       std::equal(tail.begin(), tail.end(),
                                  got.end() - static_cast<std::ptrdiff_t>(tail.size()));
            },
            kWaitMs);
        return got;
    }

    void hangUp() {
        if (master_ >= 0) {
            ::close(master_);
            master_ = -1;
        }
    }

  private:
    int master_ = -1;
    QString slave_;
};

Unit unit_of(std::uint8_t b0, std::uint8_t b1, std::uint8_t fill) {
    Unit u{};
    u.fill(fill);
    u[0] = b0;
    u[1] = b1;
    u[31] = kEndByte;
    return u;
}

// Lets the event loop go round `rounds` times: work queued before has run, and a port still
// watching a dead device would have been told about it, and reported it, on every round.
bool loopRounds(int rounds) {
    int seen = 0;
    QTimer round;
    round.setInterval(0);
    QObject::connect(&round, &QTimer::timeout, [&seen] { ++seen; });
    round.start();
    return QTest::qWaitFor([&] { return seen >= rounds; }, kWaitMs);
}

Bytes concat(const std::vector<Unit>& units) {
    Bytes out;
    for (const Unit& u : units) {
        out.insert(out.end(), u.begin(), u.end());
    }
    return out;
}

class SerialOnPty : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        link_ = dir_.filePath(QStringLiteral("com1"));
        pty_ = std::make_unique<Pty>();
        ASSERT_TRUE(pty_->ok());
        pointLinkAt(*pty_);
        qputenv("MOTIVIEW_COM1", QFile::encodeName(link_));
        port_ = std::make_unique<SerialPort>();
        port_->configure(1, LineSettings{57600, Parity::None, 8, StopBits::One});
        QObject::connect(port_.get(), &Transport::unitReceived,
                         [this](const Unit& u) { units_.push_back(u); });
        qport_ = port_->findChild<QSerialPort*>();
        ASSERT_NE(qport_, nullptr);
        // Connected after the wrapper's own handler: when the spy counts a readyRead, the
        // wrapper has already taken what it brought.
        reads_ = std::make_unique<QSignalSpy>(qport_, &QSerialPort::readyRead);
    }
    void TearDown() override {
        port_.reset();
        qunsetenv("MOTIVIEW_COM1");
    }

    void pointLinkAt(const Pty& pty) {
        QFile::remove(link_);
        ASSERT_TRUE(QFile::link(pty.slave(), link_));
    }

    bool waitUnits(std::size_t n) {
        return QTest::qWaitFor([&] { return units_.size() >= n; }, kWaitMs);
    }

    // Bytes on the line that the wrapper's port has not read yet.
    int unread() const {
        int n = 0;
        return ::ioctl(qport_->handle(), FIONREAD, &n) == 0 ? n : -1;
    }

    // Writes from the controller's end, then waits until the wrapper has handled a readyRead,
    // nothing is left unread, and the event loop has gone round past anything the wrapper put
    // off: whatever it makes of these bytes has happened by then.
    bool feed(const Bytes& bytes) {
        const auto before = reads_->count();
        pty_->write(bytes);
        const bool taken = QTest::qWaitFor(
            [&] {
                return reads_->count() > before && unread() == 0 && qport_->bytesAvailable() == 0;
            },
            kWaitMs);
        return taken && loopRounds(2);
    }

    QTemporaryDir dir_;
    QString link_;
    std::unique_ptr<Pty> pty_;
    std::unique_ptr<SerialPort> port_;
    QSerialPort* qport_ = nullptr;
    std::unique_ptr<QSignalSpy> reads_;
    std::vector<Unit> units_;
};

TEST_F(SerialOnPty, OpensThroughTheEnvironmentPath) {
    const OpenOutcome o = port_->open();
    ASSERT_TRUE(o.ok) << o.message.toStdString();
    EXPECT_TRUE(port_->isOpen());
    EXPECT_EQ(port_->device(), link_);
    EXPECT_EQ(resolve_com(1).device, link_);
    EXPECT_TRUE(describe_com(1).startsWith(link_));
}

TEST_F(SerialOnPty, SendOpensAndWritesTheExactBytes) {
    ASSERT_FALSE(port_->isOpen());
    const Bytes status{0xFD, 0x48, 0x55};
    ASSERT_TRUE(port_->send(status));
    EXPECT_TRUE(port_->isOpen());
    Unit write = unit_of(0xF0, 0xE1, 0x00);
    write[5] = 0x0A; // a newline byte goes out unchanged on a raw line
    write[6] = 0x0D;
    ASSERT_TRUE(port_->send(write));
    Bytes expected = status;
    expected.insert(expected.end(), write.begin(), write.end());
    EXPECT_EQ(to_hex(pty_->receive(expected.size())), to_hex(expected));
}

struct ChunkCase {
    std::vector<std::size_t> chunks; // sizes written one after another; the rest in one go
};

void PrintTo(const ChunkCase& c, std::ostream* os) {
    *os << "chunks";
    for (std::size_t n : c.chunks) {
        *os << ' ' << n;
    }
}

class SerialChunks : public SerialOnPty, public ::testing::WithParamInterface<ChunkCase> {};

TEST_P(SerialChunks, UnitsArriveWholeAndInOrder) {
    ASSERT_TRUE(port_->open().ok);
    const std::vector<Unit> sent = {unit_of(0xDF, 0xEF, 0x11), unit_of(0xF0, 0xE0, 0x22),
                                    unit_of(0xFF, 0xFD, 0x33)};
    const Bytes stream = concat(sent);
    std::size_t at = 0;
    for (std::size_t n : GetParam().chunks) {
        ASSERT_TRUE(feed(Bytes(stream.begin() + static_cast<std::ptrdiff_t>(at),
                               stream.begin() + static_cast<std::ptrdiff_t>(at + n))));
        at += n;
        // Whole units go out as soon as they are complete; a partial one never does.
        (void)waitUnits(at / kUnitSize);
        EXPECT_EQ(units_.size(), at / kUnitSize) << "after " << at << " bytes";
    }
    ASSERT_TRUE(feed(Bytes(stream.begin() + static_cast<std::ptrdiff_t>(at), stream.end())));
    ASSERT_TRUE(waitUnits(sent.size()));
    ASSERT_EQ(units_.size(), sent.size());
    for (std::size_t i = 0; i < sent.size(); ++i) {
        EXPECT_EQ(to_hex(units_[i]), to_hex(sent[i])) << "unit " << i;
    }
}

// "chunks_1_30_2_40": those writes, then the rest; "one_write": the whole stream at once.
std::string chunk_name(const ::testing::TestParamInfo<ChunkCase>& p) {
    if (p.param.chunks.empty()) {
        return "one_write";
    }
    std::string name = "chunks";
    for (std::size_t n : p.param.chunks) {
        name += "_" + std::to_string(n);
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Chunks, SerialChunks,
                         ::testing::Values(ChunkCase{{}}, ChunkCase{{1, 30, 2, 40}},
                                           ChunkCase{{31}}, ChunkCase{{33, 5, 7, 1}},
                                           ChunkCase{{64}}),
                         chunk_name);

TEST_F(SerialOnPty, PartialUnitWaitsForTheRest) {
    ASSERT_TRUE(port_->open().ok);
    const Unit u = unit_of(0xF2, 0xE2, 0x44);
    ASSERT_TRUE(feed(Bytes(u.begin(), u.begin() + 20)));
    EXPECT_TRUE(units_.empty());
    pty_->write(Bytes(u.begin() + 20, u.end()));
    ASSERT_TRUE(waitUnits(1));
    EXPECT_EQ(units_.front(), u);
}

TEST_F(SerialOnPty, DiscardInputDropsUpToMaxWaitingBytes) {
    ASSERT_TRUE(port_->open().ok);
    QSignalSpy dropped(port_.get(), &Transport::bytesDiscarded);
    const Unit a = unit_of(0xDF, 0xEF, 0x01);
    // A misaligned tail of 10 bytes waits; discarding drops it and the next unit is whole.
    ASSERT_TRUE(feed(Bytes(a.begin() + 22, a.end())));
    EXPECT_TRUE(units_.empty());
    port_->discardInput(kUnitSize);
    ASSERT_EQ(dropped.size(), 1);
    EXPECT_EQ(dropped[0][0].value<std::size_t>(), 10u);
    ASSERT_TRUE(feed(Bytes(a.begin(), a.end())));
    ASSERT_TRUE(waitUnits(1));
    ASSERT_EQ(units_.size(), 1u);
    EXPECT_EQ(units_.front(), a);

    // At most `max` bytes go: 20 waiting, 8 dropped, the 12 left start the next unit.
    units_.clear();
    const Unit b = unit_of(0xF6, 0xE6, 0x02);
    Bytes head(8, 0x55);
    head.insert(head.end(), b.begin(), b.begin() + 12);
    ASSERT_TRUE(feed(head));
    port_->discardInput(8);
    ASSERT_EQ(dropped.size(), 2);
    EXPECT_EQ(dropped[1][0].value<std::size_t>(), 8u);
    ASSERT_TRUE(feed(Bytes(b.begin() + 12, b.end())));
    ASSERT_TRUE(waitUnits(1));
    ASSERT_EQ(units_.size(), 1u);
    EXPECT_EQ(units_.front(), b);
    // Nothing waiting: nothing reported.
    port_->discardInput(kUnitSize);
    EXPECT_EQ(dropped.size(), 2);
}

TEST_F(SerialOnPty, HangUpClosesOnceWithoutAnErrorStorm) {
    ASSERT_TRUE(port_->open().ok);
    auto* qport = port_->findChild<QSerialPort*>();
    ASSERT_NE(qport, nullptr);
    QSignalSpy errors(qport, &QSerialPort::errorOccurred);
    QSignalSpy closed(port_.get(), &Transport::portClosed);

    pty_->hangUp();
    ASSERT_TRUE(closed.wait(kWaitMs));
    ASSERT_TRUE(loopRounds(5)); // a spinning port would pile up signals here
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(port_->isOpen());
    int failures = 0;
    for (const auto& args : errors) {
        const auto e = args.at(0).value<QSerialPort::SerialPortError>();
        failures += e == QSerialPort::ReadError || e == QSerialPort::ResourceError ? 1 : 0;
    }
    EXPECT_GE(failures, 1);
    EXPECT_LE(failures, 2);
    EXPECT_TRUE(closed.front().at(0).toString().contains(link_));

    // The device is gone: a send finds nothing to open and sends nothing.
    QFile::remove(link_);
    EXPECT_FALSE(port_->send(Bytes{0xFD, 0x48, 0x55}));
    EXPECT_FALSE(port_->isOpen());
}

TEST_F(SerialOnPty, NextSendReopensANewDeviceAtTheSamePath) {
    ASSERT_TRUE(port_->open().ok);
    QSignalSpy closed(port_.get(), &Transport::portClosed);
    pty_->hangUp();
    ASSERT_TRUE(closed.wait(kWaitMs));

    auto fresh = std::make_unique<Pty>();
    ASSERT_TRUE(fresh->ok());
    pointLinkAt(*fresh);
    const Bytes request{0xF0, 0xE0, 0xDA};
    ASSERT_TRUE(port_->send(request));
    EXPECT_TRUE(port_->isOpen());
    EXPECT_EQ(to_hex(fresh->receive(request.size())), to_hex(request));

    const Unit reply = unit_of(0xF0, 0xE0, 0x66);
    fresh->write(Bytes(reply.begin(), reply.end()));
    ASSERT_TRUE(waitUnits(1));
    EXPECT_EQ(units_.back(), reply);
    port_.reset(); // before the pty goes
}

TEST_F(SerialOnPty, PendingOutputIsDroppedWhenThePortCloses) {
    ASSERT_TRUE(port_->open().ok);
    // Written from the event loop; closing first must not let half a frame out later.
    ASSERT_TRUE(port_->send(Bytes(kUnitSize, 0x11)));
    port_->close();
    EXPECT_FALSE(port_->isOpen());
    // A request sent after reopening comes out alone: nothing of the dropped frame before it.
    const Bytes request{0xFD, 0x48, 0x55};
    ASSERT_TRUE(port_->send(request));
    EXPECT_EQ(to_hex(pty_->receiveThrough(request)), to_hex(request));
}

TEST_F(SerialOnPty, SecondOpenOfABusyDeviceSaysSo) {
    ASSERT_TRUE(port_->open().ok);
    SerialPort other;
    other.configure(1, LineSettings{});
    const OpenOutcome o = other.open();
    EXPECT_FALSE(o.ok);
    EXPECT_FALSE(o.notFound);
    EXPECT_TRUE(o.message.contains(link_)) << o.message.toStdString();
    EXPECT_TRUE(o.message.contains(QStringLiteral("in use"))) << o.message.toStdString();
    EXPECT_FALSE(other.send(Bytes{0xFD, 0x48, 0x55}));
}

TEST_F(SerialOnPty, MissingDeviceIsNotFoundAndSendsNothing) {
    const QString missing = dir_.filePath(QStringLiteral("gone"));
    qputenv("MOTIVIEW_COM2", QFile::encodeName(missing));
    SerialPort p;
    p.configure(2, LineSettings{});
    const OpenOutcome o = p.open();
    EXPECT_FALSE(o.ok);
    EXPECT_TRUE(o.notFound);
    EXPECT_TRUE(o.message.contains(missing));
    EXPECT_FALSE(p.send(Bytes{0xFD, 0x48, 0x55}));
    EXPECT_FALSE(p.isOpen());
    EXPECT_EQ(describe_com(2), "not present");
    qunsetenv("MOTIVIEW_COM2");
}

// The open is tried without the right to the device: as this user with the device's mode
// cleared, or, when the suite runs as root (which reads every device), in a child that has
// become an unprivileged user.
TEST_F(SerialOnPty, DeviceWithoutPermissionNamesItAndTheDialoutFix) {
    const QByteArray slave = QFile::encodeName(pty_->slave());
    ASSERT_EQ(::chmod(slave.constData(), 0), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir_.path()).constData(), 0755), 0);
    const auto attempt = [] {
        SerialPort p;
        p.configure(1, LineSettings{});
        const OpenOutcome o = p.open();
        const bool sent = p.send(Bytes{0xFD, 0x48, 0x55});
        return std::make_pair(o, sent);
    };
    QString message;
    bool opened = true;
    bool sent = true;
    if (::geteuid() != 0) {
        const auto [o, s] = attempt();
        message = o.message;
        opened = o.ok;
        sent = s;
    } else {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(fds[0]);
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
                ::_exit(2);
            }
            const auto [o, s] = attempt();
            const QByteArray out =
                (o.ok ? "1" : "0") + QByteArray(s ? "1" : "0") + o.message.toUtf8();
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
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        ASSERT_GE(got.size(), 2);
        opened = got[0] == '1';
        sent = got[1] == '1';
        message = QString::fromUtf8(got.mid(2));
    }
    EXPECT_FALSE(opened);
    EXPECT_FALSE(sent);
    EXPECT_TRUE(message.contains(link_)) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("dialout group"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("log out and in"))) << message.toStdString();
}

TEST(SerialDeviceOrder, AdaptersFirstThenOthersInNaturalOrder) {
    const QStringList got = order_serial_devices(
        {"ttyS10", "ttyUSB10", "ttyS2", "ttyACM0", "ttyUSB2", "ttyS0", "ttyAMA0", "ttyUSB0"});
    const QStringList expected = {"ttyACM0", "ttyUSB0", "ttyUSB2", "ttyUSB10",
                                  "ttyAMA0", "ttyS0",   "ttyS2",   "ttyS10"};
    EXPECT_EQ(got, expected);
}

} // namespace
