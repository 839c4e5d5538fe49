// The built simulator as a process: its pseudo-terminal, answers, dump file and clean exit.
#include "base/bytes.h"
#include "link/frames.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <map>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace motiview;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(5);

// Reads up to n bytes, waiting at most kPatience for all of them.
Bytes read_bytes(int fd, std::size_t n) {
    Bytes out;
    const auto until = Clock::now() + kPatience;
    while (out.size() < n && Clock::now() < until) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0 || (p.revents & POLLIN) == 0) {
            continue;
        }
        std::uint8_t buf[256];
        const ssize_t got = ::read(fd, buf, std::min(sizeof buf, n - out.size()));
        if (got > 0) {
            out.insert(out.end(), buf, buf + got);
        }
    }
    return out;
}

Unit unit_of(const Bytes& b, std::size_t at = 0) {
    Unit u{};
    if (b.size() >= at + kUnitSize) {
        std::copy_n(b.begin() + static_cast<std::ptrdiff_t>(at), kUnitSize, u.begin());
    }
    return u;
}

void send(int fd, const Bytes& b) {
    ASSERT_EQ(::write(fd, b.data(), b.size()), static_cast<ssize_t>(b.size()));
}

class SimProcess {
  public:
    explicit SimProcess(std::vector<std::string> extra) {
        char tmpl[] = "/tmp/motiview-sim-test-XXXXXX";
        dir_ = ::mkdtemp(tmpl) != nullptr ? tmpl : "";
        std::vector<std::string> args = {
            MOTIVIEW_SIM_BINARY, "--link", link(), "--dump-blocks", dump(), "--max-seconds", "50"};
        args.insert(args.end(), extra.begin(), extra.end());
        std::vector<char*> argv;
        for (std::string& a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        int out[2];
        if (::pipe(out) != 0) {
            return;
        }
        posix_spawn_file_actions_t fa;
        posix_spawn_file_actions_init(&fa);
        posix_spawn_file_actions_adddup2(&fa, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&fa, out[0]);
        if (posix_spawn(&pid_, argv[0], &fa, nullptr, argv.data(), environ) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&fa);
        ::close(out[1]);
        stdout_ = out[0];
    }

    ~SimProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (stdout_ >= 0) {
            ::close(stdout_);
        }
        ::unlink(dump().c_str());
        ::unlink(link().c_str());
        ::rmdir(dir_.c_str());
    }

    [[nodiscard]] std::string link() const { return dir_ + "/com1"; }
    [[nodiscard]] std::string dump() const { return dir_ + "/blocks.txt"; }

    // The next line the simulator prints: the first names the device, later ones the
    // device it reappeared as.
    std::string next_line() {
        std::string line;
        for (Bytes c = read_bytes(stdout_, 1); !c.empty() && c[0] != '\n';
             c = read_bytes(stdout_, 1)) {
            line += static_cast<char>(c[0]);
        }
        return line;
    }

    std::map<std::string, std::string> blocks() const {
        std::map<std::string, std::string> out;
        std::ifstream f(dump());
        std::string line;
        while (std::getline(f, line)) {
            const auto space = line.find(' ');
            if (space != std::string::npos) {
                out[line.substr(0, space)] = line.substr(space + 1);
            }
        }
        return out;
    }

    // SIGTERM, then the exit status (-1 if it did not end within kPatience).
    int terminate() {
        ::kill(pid_, SIGTERM);
        return exit_status();
    }

    // The exit status once it ends (-1 if it did not end within kPatience).
    int exit_status() {
        const auto until = Clock::now() + kPatience;
        int status = 0;
        while (Clock::now() < until) {
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            ::poll(nullptr, 0, 20);
        }
        return -1;
    }

    [[nodiscard]] bool started() const { return pid_ > 0 && !dir_.empty(); }

  private:
    std::string dir_;
    pid_t pid_ = -1;
    int stdout_ = -1;
};

// Opens the port as a PC program would: raw, 57600 baud; returns the settings to restore.
int open_port(const std::string& path, termios& saved) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return fd;
    }
    ::tcgetattr(fd, &saved);
    termios raw = saved;
    ::cfmakeraw(&raw);
    ::cfsetispeed(&raw, B57600);
    ::cfsetospeed(&raw, B57600);
    ::tcsetattr(fd, TCSANOW, &raw);
    return fd;
}

void close_port(int fd, const termios& saved) {
    ::tcsetattr(fd, TCSANOW, &saved);
    ::close(fd);
}

bool wait_for(const std::function<bool()>& condition) {
    const auto until = Clock::now() + kPatience;
    while (Clock::now() < until) {
        if (condition()) {
            return true;
        }
        ::poll(nullptr, 0, 50);
    }
    return condition();
}

TEST(SimProcess, AnswersStatusReadWriteAndDumpsTheBlocks) {
    SimProcess sim({"--user-name", "T-7"});
    ASSERT_TRUE(sim.started());
    const std::string path = sim.next_line();
    ASSERT_EQ(path.rfind("/dev/pts/", 0), 0u) << path;
    char target[256] = {};
    ASSERT_GT(::readlink(sim.link().c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(path, target);
    ASSERT_TRUE(wait_for([&] { return sim.blocks().size() == kPageCount; }));
    const std::map<std::string, std::string> start = sim.blocks();

    termios saved{};
    const int fd = open_port(sim.link(), saved);
    ASSERT_GE(fd, 0);

    // Status request: the status frame, then the user name.
    send(fd, {0xFD, 0x48, 0x55});
    const Bytes first = read_bytes(fd, 2 * kUnitSize);
    ASSERT_EQ(first.size(), 2 * kUnitSize);
    EXPECT_EQ(classify(unit_of(first)).kind, UnitKind::Status);
    const Unit user = unit_of(first, kUnitSize);
    EXPECT_EQ(classify(user).kind, UnitKind::UserInfo);
    EXPECT_EQ(to_hex(std::span(user).subspan(0, 7)), "F1 E1 A2 54 2D 37 00");

    // Garbage, then a read request: the stored block.
    send(fd, {0x01, 0x02, 0xF0, 0xF0, 0xE0, 0xDA});
    const Unit reply = unit_of(read_bytes(fd, kUnitSize));
    EXPECT_EQ(classify(reply).kind, UnitKind::ParameterReply);
    EXPECT_EQ(to_hex(reply), start.at("basic"));

    // A write frame: acknowledged with a zero payload, stored, dumped.
    Unit write = reply;
    write[1] = 0xE1;
    store_u16le(write, 2, 4321);
    send(fd, Bytes(write.begin(), write.end()));
    const Unit ack = unit_of(read_bytes(fd, kUnitSize));
    std::string zeros;
    for (int i = 0; i < 29; ++i) {
        zeros += " 00";
    }
    EXPECT_EQ(to_hex(ack), "F0 E1" + zeros + " DA");
    Unit stored = write;
    stored[1] = 0xE0;
    EXPECT_TRUE(wait_for([&] { return sim.blocks()["basic"] == to_hex(stored); }))
        << sim.blocks()["basic"];
    EXPECT_EQ(sim.blocks()["motor"], start.at("motor"));

    // The second status request of the same connection: no user name again, the next
    // frame is the read reply.
    send(fd, {0xFD, 0x48, 0x55, 0xF6, 0xE6, 0xDA});
    const Bytes second = read_bytes(fd, 2 * kUnitSize);
    ASSERT_EQ(second.size(), 2 * kUnitSize);
    EXPECT_EQ(classify(unit_of(second)).kind, UnitKind::Status);
    EXPECT_EQ(to_hex(unit_of(second, kUnitSize)), start.at("motor"));

    close_port(fd, saved);
    EXPECT_EQ(sim.terminate(), 0);
    struct stat st {};
    EXPECT_NE(::lstat(sim.link().c_str(), &st), 0) << "the symlink is removed on exit";
}

TEST(SimProcess, KeepsServingWhenThePortIsClosedAndReopened) {
    SimProcess sim({});
    ASSERT_TRUE(sim.started());
    ASSERT_FALSE(sim.next_line().empty());
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        termios saved{};
        const int fd = open_port(sim.link(), saved);
        ASSERT_GE(fd, 0);
        send(fd, {0xFD, 0x48, 0x55});
        // Every new opening gets the status frame and the user name again.
        const Bytes got = read_bytes(fd, 2 * kUnitSize);
        ASSERT_EQ(got.size(), 2 * kUnitSize);
        EXPECT_EQ(classify(unit_of(got)).kind, UnitKind::Status);
        EXPECT_EQ(classify(unit_of(got, kUnitSize)).kind, UnitKind::UserInfo);
        EXPECT_EQ(unit_of(got, kUnitSize)[3], 'S');
        close_port(fd, saved);
    }
    EXPECT_EQ(sim.terminate(), 0);
}

TEST(SimProcess, HallTestAndCounterReset) {
    SimProcess sim({});
    ASSERT_TRUE(sim.started());
    ASSERT_FALSE(sim.next_line().empty());
    termios saved{};
    const int fd = open_port(sim.link(), saved);
    ASSERT_GE(fd, 0);
    send(fd, {0xFC, 0xEC, 0xDA});
    const Bytes notices = read_bytes(fd, 2 * kUnitSize);
    ASSERT_EQ(notices.size(), 2 * kUnitSize);
    EXPECT_EQ(classify(unit_of(notices)).kind, UnitKind::HallARunning);
    const Unit done = unit_of(notices, kUnitSize);
    EXPECT_EQ(classify(done).kind, UnitKind::HallADone);
    for (std::size_t at : {std::size_t{9}, std::size_t{14}, std::size_t{24}, std::size_t{29}}) {
        EXPECT_GE(done[at], 20);
        EXPECT_LE(done[at], 100);
    }
    Unit motor = done;
    motor[0] = 0xF6;
    motor[1] = 0xE6;
    EXPECT_TRUE(wait_for([&] { return sim.blocks()["motor"] == to_hex(motor); }));

    send(fd, {0xFB, 0xEC, 0xDA});
    const Unit reset = unit_of(read_bytes(fd, kUnitSize));
    EXPECT_EQ(reset[0], 0xFB);
    EXPECT_EQ(reset[1], 0xEC);
    EXPECT_EQ(reset[22], 0);
    EXPECT_EQ(reset[31], kEndByte);
    close_port(fd, saved);
    EXPECT_EQ(sim.terminate(), 0);
}

TEST(SimProcess, BadEndOnceBreaksOneParameterReply) {
    SimProcess sim({"--bad-end-once"});
    ASSERT_TRUE(sim.started());
    ASSERT_FALSE(sim.next_line().empty());
    termios saved{};
    const int fd = open_port(sim.link(), saved);
    ASSERT_GE(fd, 0);
    send(fd, {0xF2, 0xE2, 0xDA});
    const Unit broken = unit_of(read_bytes(fd, kUnitSize));
    EXPECT_EQ(broken[0], 0xF2);
    EXPECT_EQ(broken[31], 0x00);
    send(fd, {0xF2, 0xE2, 0xDA});
    EXPECT_EQ(unit_of(read_bytes(fd, kUnitSize))[31], kEndByte);
    close_port(fd, saved);
    EXPECT_EQ(sim.terminate(), 0);
}

// The basic page's write frame carrying `value` in its first field, built on a read reply.
Bytes basic_write(Unit block, std::uint16_t value) {
    block[1] = 0xE1;
    store_u16le(block, 2, value);
    return Bytes(block.begin(), block.end());
}

std::uint16_t first_field(const Unit& u) {
    return static_cast<std::uint16_t>(u[2] | (u[3] << 8));
}

const Bytes kReadBasic = {0xF0, 0xE0, 0xDA};

TEST(SimProcess, PiecesCarryALostAckAndALostWrite) {
    SimProcess sim(
        {"--drop-ack", "1", "--drop-write", "2", "--pieces", "5", "--piece-gap-ms", "10"});
    ASSERT_TRUE(sim.started());
    ASSERT_FALSE(sim.next_line().empty());
    termios saved{};
    const int fd = open_port(sim.link(), saved);
    ASSERT_GE(fd, 0);

    // Status and user info: 64 bytes in 13 pieces, 12 gaps of 10 ms.
    const auto start = Clock::now();
    send(fd, {0xFD, 0x48, 0x55});
    const Bytes first = read_bytes(fd, 2 * kUnitSize);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(110));
    ASSERT_EQ(first.size(), 2 * kUnitSize);
    EXPECT_EQ(classify(unit_of(first)).kind, UnitKind::Status);
    EXPECT_EQ(classify(unit_of(first, kUnitSize)).kind, UnitKind::UserInfo);

    send(fd, kReadBasic);
    const Unit block = unit_of(read_bytes(fd, kUnitSize));
    ASSERT_EQ(classify(block).kind, UnitKind::ParameterReply);
    // Each write followed by a read: the first frame back tells whether it was acknowledged,
    // the read whether it was stored.
    struct Step {
        std::uint16_t value;
        bool acknowledged;
        std::uint16_t stored;
    };
    for (const Step& step :
         {Step{1111, false, 1111}, Step{2222, false, 1111}, Step{3333, true, 3333}}) {
        SCOPED_TRACE(step.value);
        Bytes both = basic_write(block, step.value);
        both.insert(both.end(), kReadBasic.begin(), kReadBasic.end());
        send(fd, both);
        if (step.acknowledged) {
            EXPECT_EQ(unit_of(read_bytes(fd, kUnitSize))[1], 0xE1);
        }
        const Unit reply = unit_of(read_bytes(fd, kUnitSize));
        EXPECT_EQ(reply[1], 0xE0);
        EXPECT_EQ(first_field(reply), step.stored);
    }
    close_port(fd, saved);
    EXPECT_EQ(sim.terminate(), 0);
}

TEST(SimProcess, HangsUpOnAWriteAndComesBackWithTheBlocks) {
    SimProcess sim({"--hangup-at-write", "2", "--reappear-after", "0.3"});
    ASSERT_TRUE(sim.started());
    ASSERT_FALSE(sim.next_line().empty());
    termios saved{};
    int fd = open_port(sim.link(), saved);
    ASSERT_GE(fd, 0);
    send(fd, kReadBasic);
    const Unit block = unit_of(read_bytes(fd, kUnitSize));
    send(fd, basic_write(block, 4321));
    EXPECT_EQ(unit_of(read_bytes(fd, kUnitSize))[1], 0xE1);
    // The second write and the read behind it meet a line that is gone.
    Bytes both = basic_write(block, 1234);
    both.insert(both.end(), kReadBasic.begin(), kReadBasic.end());
    send(fd, both);
    EXPECT_TRUE(wait_for([&] {
        pollfd p{fd, POLLIN, 0};
        return ::poll(&p, 1, 0) == 1 && (p.revents & POLLHUP) != 0;
    }));
    close_port(fd, saved);

    // A second line names the new device (the kernel may hand out the same number again).
    const std::string after = sim.next_line();
    ASSERT_EQ(after.rfind("/dev/pts/", 0), 0u) << after;
    fd = open_port(sim.link(), saved);
    ASSERT_GE(fd, 0);
    send(fd, kReadBasic);
    EXPECT_EQ(first_field(unit_of(read_bytes(fd, kUnitSize))), 4321);
    close_port(fd, saved);
    EXPECT_EQ(sim.terminate(), 0);
}

TEST(SimProcess, EndsAfterAHangUpOnAWriteWithoutReturn) {
    SimProcess sim({"--hangup-at-write", "1"});
    ASSERT_TRUE(sim.started());
    ASSERT_FALSE(sim.next_line().empty());
    ASSERT_TRUE(wait_for([&] { return sim.blocks().size() == kPageCount; }));
    const std::string start = sim.blocks().at("basic");
    termios saved{};
    const int fd = open_port(sim.link(), saved);
    ASSERT_GE(fd, 0);
    send(fd, kReadBasic);
    send(fd, basic_write(unit_of(read_bytes(fd, kUnitSize)), 4321));
    EXPECT_EQ(sim.exit_status(), 0);
    EXPECT_EQ(sim.blocks().at("basic"), start) << "the write was not stored";
    close_port(fd, saved);
}

} // namespace
