#pragma once
// The simulator's main loop: one pseudo-terminal, poll() with a timeout, the recogniser,
// the controller and the failure modes wired together.

#include "controller.h"
#include "faults.h"
#include "options.h"
#include "pty.h"
#include "recognizer.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <optional>
#include <string_view>

namespace motiview::sim {

// A PC polls once a second; this long without a request means the port was closed (or the
// link given up), and the next status request starts a new connection.
inline constexpr double kNewConnectionGap = 3.0;
// A frame start whose rest has not come after this long was noise.
inline constexpr double kPartialFrameSeconds = 0.5;
// Output waiting for a reader is bounded; beyond it whole frames are dropped.
inline constexpr std::size_t kMaxPendingOutput = 64 * 1024;

class SimLoop {
  public:
    SimLoop(const Options& options, std::FILE* out);

    // Runs until `stop` becomes non-zero, --max-seconds pass, or a hang-up without return.
    // Returns the exit status.
    int run(const volatile std::sig_atomic_t& stop);

  private:
    [[nodiscard]] double now() const;
    bool open_device();
    void hang_up(double t);
    void reappear();
    void serve(double t);
    void read_input(double t);
    void watch_openings();
    void handle(const Request& request, double t);
    void send(OutFrame frame, double t);
    void enqueue(const std::uint8_t* data, std::size_t n, double t);
    void release_pieces(double t);
    void flush_output();
    void flood(double t);
    void dump();
    [[nodiscard]] int poll_timeout_ms(double t) const;
    void log(bool always, std::string_view line) const;

    const Options& o_;
    std::FILE* out_;
    std::chrono::steady_clock::time_point start_;
    Pty pty_;
    Recognizer recognizer_;
    Controller controller_;
    FaultInjector faults_;
    PieceQueue pieces_; // with --pieces: output not yet handed to the line
    Bytes pending_;     // handed over, waiting for room in the pseudo-terminal
    std::optional<double> lastInputAt_;
    std::optional<double> lastRequestAt_;
    double floodNext_ = 0;
    double hupBackoffUntil_ = 0;
    unsigned noiseSeed_ = 0;
    bool wasSilent_ = false;
};

} // namespace motiview::sim
