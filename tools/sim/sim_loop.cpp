#include "sim_loop.h"

#include "dump_file.h"
#include "pages/page_schema.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace motiview::sim {
namespace {

constexpr double kMaxPollSeconds = 0.2;
constexpr double kHangupBackoff = 0.1;

StatusConfig status_config(const Options& o) {
    return StatusConfig{o.currentFaults, o.historyFaults, o.state, o.gear};
}

// main has refused start texts the pages do not take; here they are known to be good.
BlockStore start_blocks(const Options& o) {
    auto store = BlockStore::with_texts(o.startTexts);
    return store ? std::move(store).value() : BlockStore{};
}

} // namespace

SimLoop::SimLoop(const Options& options, std::FILE* out)
    : o_(options), out_(out), start_(std::chrono::steady_clock::now()),
      controller_(status_config(options), options.userName, start_blocks(options)),
      faults_(options), pieces_(options.pieces, options.pieceGapMs / 1000.0) {}

double SimLoop::now() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

void SimLoop::log(bool always, std::string_view line) const {
    if (always || o_.verbose) {
        std::fprintf(stderr, "motiview-sim: %.*s\n", static_cast<int>(line.size()), line.data());
    }
}

bool SimLoop::open_device() {
    const Result<bool> opened = pty_.open();
    if (!opened) {
        log(true, opened.error().message);
        return false;
    }
    // The symlink first: once the path line is out, the link works too.
    if (!o_.linkPath.empty()) {
        const Result<bool> linked = place_symlink(o_.linkPath, pty_.slave_path());
        if (!linked) {
            log(true, linked.error().message);
            return false;
        }
    }
    std::fprintf(out_, "%s\n", pty_.slave_path().c_str());
    std::fflush(out_);
    recognizer_ = Recognizer{};
    pieces_.clear();
    pending_.clear();
    lastRequestAt_.reset();
    controller_.new_connection();
    log(false, "device " + pty_.slave_path());
    return true;
}

int SimLoop::run(const volatile std::sig_atomic_t& stop) {
    if (!open_device()) {
        return 1;
    }
    dump();
    int status = 0;
    while (stop == 0) {
        const double t = now();
        if (o_.maxSeconds > 0 && t >= o_.maxSeconds) {
            log(false, "time is up");
            break;
        }
        if (faults_.hangup_due(t)) {
            hang_up(t);
        }
        // Hung up by time just now, or on a write during the last turn.
        if (faults_.hung() && faults_.exit_after_hangup()) {
            break;
        }
        if (faults_.reappear_due(t)) {
            reappear();
            if (!pty_.is_open()) {
                status = 1;
                break;
            }
        }
        if (!pty_.is_open()) {
            ::poll(nullptr, 0, poll_timeout_ms(t));
            continue;
        }
        serve(t);
    }
    dump();
    if (!o_.linkPath.empty()) {
        remove_symlink(o_.linkPath, pty_.slave_path());
    }
    pty_.close();
    return status;
}

void SimLoop::hang_up(double t) {
    log(true, "hanging up " + pty_.slave_path());
    pty_.close();
    // What was on its way, either direction, went down with the line.
    recognizer_ = Recognizer{};
    pieces_.clear();
    pending_.clear();
    faults_.hung_up(t);
}

void SimLoop::reappear() {
    faults_.reappeared();
    const std::string old = pty_.slave_path();
    if (open_device()) {
        log(true, "reappeared as " + pty_.slave_path() + " (was " + old + ")");
    }
}

void SimLoop::serve(double t) {
    const bool silent = faults_.silent(t);
    if (silent != wasSilent_) {
        log(false, silent ? "going silent" : "answering again");
        wasSilent_ = silent;
    }
    Handled due = controller_.poll(t);
    if (!due.event.empty()) {
        log(false, due.event);
    }
    for (const OutFrame& f : due.frames) {
        send(f, t);
    }
    if (due.stored) {
        dump();
    }
    flood(t);
    release_pieces(t);

    std::array<pollfd, 2> fds{{{pty_.master(), 0, 0}, {pty_.watch_fd(), POLLIN, 0}}};
    pollfd& p = fds[0];
    if (t >= hupBackoffUntil_) {
        p.events = POLLIN;
    }
    if (!pending_.empty()) {
        p.events = static_cast<short>(p.events | POLLOUT);
    }
    const nfds_t count = pty_.watch_fd() >= 0 ? 2 : 1;
    const int ready = ::poll(fds.data(), count, poll_timeout_ms(t));
    if (ready < 0) {
        return; // EINTR: a signal; the loop looks at the stop flag
    }
    const double after = now();
    if ((fds[1].revents & POLLIN) != 0) {
        watch_openings();
    }
    if ((p.revents & POLLIN) != 0) {
        read_input(after);
        if (!pty_.is_open()) {
            return; // hung up on a write
        }
    } else if ((p.revents & (POLLHUP | POLLERR)) != 0) {
        // Nobody holds the slave (our own descriptor included): back off instead of spinning.
        pty_.reopen_holder();
        hupBackoffUntil_ = after + kHangupBackoff;
    }
    if ((p.revents & POLLOUT) != 0) {
        flush_output();
    }
    if (recognizer_.waiting() > 0 && lastInputAt_ &&
        after - *lastInputAt_ >= kPartialFrameSeconds) {
        for (const Request& r : recognizer_.expire()) {
            if (!pty_.is_open()) {
                break;
            }
            handle(r, after);
        }
        if (const std::size_t skipped = recognizer_.take_skipped(); skipped > 0) {
            log(false, "skipped " + std::to_string(skipped) + " unknown bytes");
        }
    }
}

void SimLoop::watch_openings() {
    const Pty::Openings o = pty_.take_openings();
    if (o.opened > 0) {
        // The PC opened the port (again): its next status request gets the user info.
        controller_.new_connection();
        log(false, "port opened");
    }
    if (o.closed > 0) {
        log(false, "port closed");
    }
}

void SimLoop::read_input(double t) {
    std::array<std::uint8_t, 4096> buf{};
    const ssize_t n = ::read(pty_.master(), buf.data(), buf.size());
    if (n <= 0) {
        if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
            pty_.reopen_holder();
            hupBackoffUntil_ = t + kHangupBackoff;
        }
        return;
    }
    lastInputAt_ = t;
    const std::vector<Request> requests =
        recognizer_.feed(std::span(buf.data(), static_cast<std::size_t>(n)));
    if (const std::size_t skipped = recognizer_.take_skipped(); skipped > 0) {
        log(false, "skipped " + std::to_string(skipped) + " unknown bytes");
    }
    for (const Request& r : requests) {
        if (!pty_.is_open()) {
            break; // hung up on a write: the rest never arrived
        }
        handle(r, t);
    }
}

void SimLoop::handle(const Request& request, double t) {
    if (request.kind == RequestKind::Status) {
        // Openings are caught by the watch; a long pause is the fallback without one.
        watch_openings();
        if (!lastRequestAt_ || t - *lastRequestAt_ >= kNewConnectionGap) {
            controller_.new_connection();
        }
    }
    lastRequestAt_ = t;
    // Writes count from the start whatever becomes of them, the ones met by silence included.
    const WriteFate fate =
        request.kind == RequestKind::Write ? faults_.on_write_request() : WriteFate::Stored;
    const std::string write = request.kind == RequestKind::Write
                                  ? "write " + std::to_string(faults_.write_requests()) + " (" +
                                        std::string(page_schema(request.page).cliName) + ")"
                                  : std::string();
    if (fate == WriteFate::HangUp) {
        log(true, write + ": not stored, the line goes down");
        hang_up(t);
        return;
    }
    const bool answered =
        request.kind == RequestKind::Status ? faults_.on_status_request(t) : !faults_.silent(t);
    if (!answered) {
        log(false, "silent: request not answered");
        return;
    }
    if (fate == WriteFate::Lost) {
        log(true, write + " lost on the line: neither stored nor acknowledged");
        return;
    }
    Handled h = controller_.handle(request, t);
    if (fate == WriteFate::AckLost) {
        h.frames.clear();
        h.event = write + " stored, its acknowledgement lost; " + h.event;
    }
    log(request.kind == RequestKind::Write, h.event);
    for (const OutFrame& f : h.frames) {
        send(f, t);
    }
    if (h.stored) {
        dump();
    }
}

void SimLoop::send(OutFrame frame, double t) {
    if (faults_.silent(t)) {
        return;
    }
    if (frame.role != FrameRole::Notice) {
        const AnswerPlan plan = faults_.plan_answer(frame.role == FrameRole::ParameterAnswer);
        if (plan.drop) {
            log(false, "answer dropped");
            return;
        }
        if (plan.noiseBytes > 0) {
            const Bytes noise = noise_bytes(plan.noiseBytes, ++noiseSeed_);
            enqueue(noise.data(), noise.size(), t);
            log(false, std::to_string(plan.noiseBytes) + " noise bytes");
        }
        if (plan.breakEnd) {
            frame.unit[kUnitSize - 1] = 0x00;
            log(false, "parameter reply with a broken end byte");
        }
    }
    enqueue(frame.unit.data(), frame.unit.size(), t);
}

void SimLoop::enqueue(const std::uint8_t* data, std::size_t n, double t) {
    if (pending_.size() + pieces_.size() + n > kMaxPendingOutput) {
        log(false, "nobody reads: output dropped");
        return;
    }
    if (o_.pieces != 0) {
        pieces_.push(std::span(data, n));
        release_pieces(t);
        return;
    }
    pending_.insert(pending_.end(), data, data + n);
    flush_output();
}

// A piece goes to the line only once the one before it is all written, so that pieces stay
// apart and the gap between them is real.
void SimLoop::release_pieces(double t) {
    while (pending_.empty() && pty_.is_open()) {
        std::optional<Bytes> piece = pieces_.take_due(t);
        if (!piece) {
            return;
        }
        pending_ = std::move(*piece);
        flush_output();
    }
}

void SimLoop::flush_output() {
    while (!pending_.empty() && pty_.is_open()) {
        const ssize_t n = ::write(pty_.master(), pending_.data(), pending_.size());
        if (n <= 0) {
            return; // full (EAGAIN) or gone: POLLOUT or the hang-up handling takes over
        }
        pending_.erase(pending_.begin(), pending_.begin() + n);
    }
}

void SimLoop::flood(double t) {
    if (o_.floodRate <= 0) {
        return;
    }
    const double period = 1.0 / o_.floodRate;
    if (t < floodNext_) {
        return;
    }
    floodNext_ = floodNext_ + period < t ? t + period : floodNext_ + period;
    // Only while a PC is polling: frames nobody reads would pile up for the next opener.
    if (lastRequestAt_ && t - *lastRequestAt_ < kNewConnectionGap) {
        send({controller_.status_now(t), FrameRole::Notice}, t);
    }
}

void SimLoop::dump() {
    if (o_.dumpPath.empty()) {
        return;
    }
    const Result<bool> written =
        write_file_atomically(o_.dumpPath, controller_.store().dump_text());
    if (!written) {
        log(true, written.error().message);
    }
}

int SimLoop::poll_timeout_ms(double t) const {
    double wait = kMaxPollSeconds;
    const auto consider = [&](std::optional<double> deadline) {
        if (deadline) {
            wait = std::min(wait, *deadline - t);
        }
    };
    consider(controller_.next_deadline());
    consider(faults_.next_deadline());
    if (o_.floodRate > 0) {
        consider(floodNext_);
    }
    if (o_.maxSeconds > 0) {
        consider(o_.maxSeconds);
    }
    if (recognizer_.waiting() > 0 && lastInputAt_) {
        consider(*lastInputAt_ + kPartialFrameSeconds);
    }
    if (pending_.empty()) {
        // Else POLLOUT wakes the loop when the piece before has gone.
        consider(pieces_.next_due());
    }
    if (hupBackoffUntil_ > t) {
        wait = std::min(wait, hupBackoffUntil_ - t);
    }
    // At least 1 ms: a deadline just passed is handled on the next turn, never in a spin.
    return std::max(1, static_cast<int>(std::ceil(std::max(wait, 0.0) * 1000.0)));
}

} // namespace motiview::sim
