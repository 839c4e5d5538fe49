#include "options.h"

#include "base/bytes.h"
#include "monitor/status_layout.h"
#include "pages/page_schema.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace motiview::sim {
namespace {

// One --fault name per row of the fault panel; a name raises the lowest bit of its row.
constexpr auto kFaultOptions = [] {
    std::array<FaultName, kFaults.size()> out{};
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = {kFaults[i].name, static_cast<std::uint8_t>(std::countr_zero(kFaults[i].current))};
    }
    return out;
}();

constexpr std::uint64_t kMaxCount = 1'000'000;

Error usage_error(std::string_view option, std::string_view what) {
    return Error{std::string(option), std::string(option) + ": " + std::string(what)};
}

// Whole numbers: decimal, or hex with 0x.
std::optional<std::uint64_t> parse_unsigned(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    if (text.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> parse_seconds(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || !std::isfinite(value) ||
        value < 0 || value > 1e7) {
        return std::nullopt;
    }
    return value;
}

class Parser {
  public:
    explicit Parser(std::span<const std::string_view> args) : args_(args) {}

    Result<Options> run() {
        while (at_ < args_.size()) {
            std::string_view arg = args_[at_++];
            inline_.reset();
            if (const auto eq = arg.find('='); arg.starts_with("--") && eq != arg.npos) {
                inline_ = arg.substr(eq + 1);
                arg = arg.substr(0, eq);
            }
            if (auto err = option(arg)) {
                return *err;
            }
        }
        if (o_.resumeAfter && !o_.silentAfter) {
            return usage_error("--resume-after", "needs --silent-after");
        }
        if (o_.reappearAfter && !o_.hangupAfter && o_.hangupAtWrite == 0) {
            return usage_error("--reappear-after", "needs --hangup-after or --hangup-at-write");
        }
        if (o_.hangupAtWrite != 0 && o_.hangupAfter) {
            return usage_error("--hangup-at-write", "not together with --hangup-after");
        }
        if (pieceGapGiven_ && o_.pieces == 0) {
            return usage_error("--piece-gap-ms", "needs --pieces");
        }
        if (auto err = one_fate_per_write()) {
            return *err;
        }
        if (o_.noiseEvery != 0 && o_.noiseBytes == 0) {
            return usage_error("--noise-every", "needs --noise-bytes");
        }
        if (o_.currentFaults != 0 && !stateGiven_) {
            o_.state = kStateFault;
        }
        return o_;
    }

  private:
    std::optional<Error> option(std::string_view name) {
        if (name == "--help" || name == "-h") {
            o_.help = true;
            return flag_only(name);
        }
        if (name == "--verbose") {
            o_.verbose = true;
            return flag_only(name);
        }
        if (name == "--bad-end-once") {
            o_.badEndOnce = true;
            return flag_only(name);
        }
        const std::optional<std::string_view> v = value();
        if (!v) {
            return usage_error(name, "needs a value");
        }
        if (name == "--link") {
            return text(name, *v, o_.linkPath);
        }
        if (name == "--dump-blocks") {
            return text(name, *v, o_.dumpPath);
        }
        if (name == "--set") {
            const std::size_t dot = v->find('.');
            const std::size_t eq = v->find('=');
            if (dot == std::string_view::npos || eq == std::string_view::npos || eq < dot) {
                return usage_error(name, "expected PAGE.NAME=TEXT");
            }
            if (page_by_cli_name(v->substr(0, dot)) == nullptr) {
                return usage_error(name, "unknown page \"" + std::string(v->substr(0, dot)) + "\"");
            }
            o_.startTexts.emplace_back(*v);
            return std::nullopt;
        }
        if (name == "--user-name") {
            if (v->size() > kMaxUserName) {
                return usage_error(name, "at most 20 characters");
            }
            o_.userName = std::string(*v);
            return std::nullopt;
        }
        if (name == "--fault") {
            const auto bit = fault_bit(*v);
            if (!bit) {
                return usage_error(name, "unknown fault \"" + std::string(*v) + "\"");
            }
            o_.currentFaults = static_cast<std::uint16_t>(o_.currentFaults | (1u << *bit));
            return std::nullopt;
        }
        if (name == "--history-faults") {
            return number(name, *v, 0xFFFF, o_.historyFaults);
        }
        if (name == "--state") {
            stateGiven_ = true;
            return number(name, *v, 255, o_.state);
        }
        if (name == "--gear") {
            return number(name, *v, 255, o_.gear);
        }
        if (name == "--silent-after") {
            unsigned n = 0;
            auto err = number(name, *v, 1'000'000, n);
            o_.silentAfter = n;
            return err;
        }
        if (name == "--noise-bytes") {
            return number(name, *v, 4096, o_.noiseBytes);
        }
        if (name == "--noise-every") {
            return number(name, *v, 1'000'000, o_.noiseEvery);
        }
        if (name == "--drop-every") {
            return number(name, *v, 1'000'000, o_.dropEvery);
        }
        if (name == "--drop-ack") {
            return number(name, *v, 1, kMaxCount, o_.dropAck);
        }
        if (name == "--drop-write") {
            return number(name, *v, 1, kMaxCount, o_.dropWrite);
        }
        if (name == "--hangup-at-write") {
            return number(name, *v, 1, kMaxCount, o_.hangupAtWrite);
        }
        if (name == "--pieces") {
            // Fewer bytes than a frame: a whole unit in one piece would be no fault.
            return number(name, *v, 1, kUnitSize - 1, o_.pieces);
        }
        if (name == "--piece-gap-ms") {
            pieceGapGiven_ = true;
            return number(name, *v, 0, 50, o_.pieceGapMs);
        }
        if (name == "--resume-after") {
            return seconds(name, *v, o_.resumeAfter);
        }
        if (name == "--hangup-after") {
            return seconds(name, *v, o_.hangupAfter);
        }
        if (name == "--reappear-after") {
            return seconds(name, *v, o_.reappearAfter);
        }
        if (name == "--flood") {
            std::optional<double> rate;
            auto err = seconds(name, *v, rate);
            if (!err && *rate > 1000) {
                return usage_error(name, "at most 1000 frames per second");
            }
            o_.floodRate = rate.value_or(0);
            return err;
        }
        if (name == "--max-seconds") {
            std::optional<double> s;
            auto err = seconds(name, *v, s);
            o_.maxSeconds = s.value_or(0);
            return err;
        }
        return usage_error(name, "unknown option (see --help)");
    }

    std::optional<Error> flag_only(std::string_view name) const {
        if (inline_) {
            return usage_error(name, "takes no value");
        }
        return std::nullopt;
    }

    std::optional<std::string_view> value() {
        if (inline_) {
            return inline_;
        }
        if (at_ < args_.size()) {
            return args_[at_++];
        }
        return std::nullopt;
    }

    static std::optional<Error> text(std::string_view name, std::string_view v, std::string& out) {
        if (v.empty()) {
            return usage_error(name, "needs a path");
        }
        out = std::string(v);
        return std::nullopt;
    }

    template <class T>
    static std::optional<Error> number(std::string_view name, std::string_view v, std::uint64_t max,
                                       T& out) {
        return number(name, v, 0, max, out);
    }

    template <class T>
    static std::optional<Error> number(std::string_view name, std::string_view v, std::uint64_t min,
                                       std::uint64_t max, T& out) {
        const auto n = parse_unsigned(v);
        if (!n || *n < min || *n > max) {
            return usage_error(name, "expects a whole number from " + std::to_string(min) + " to " +
                                         std::to_string(max));
        }
        out = static_cast<T>(*n);
        return std::nullopt;
    }

    // Two write faults on the same write would contradict each other.
    std::optional<Error> one_fate_per_write() const {
        const std::array<std::pair<std::string_view, unsigned>, 3> faults = {{
            {"--drop-ack", o_.dropAck},
            {"--drop-write", o_.dropWrite},
            {"--hangup-at-write", o_.hangupAtWrite},
        }};
        for (std::size_t i = 0; i < faults.size(); ++i) {
            for (std::size_t j = i + 1; j < faults.size(); ++j) {
                if (faults[i].second != 0 && faults[i].second == faults[j].second) {
                    return usage_error(faults[j].first,
                                       "the same write as " + std::string(faults[i].first));
                }
            }
        }
        return std::nullopt;
    }

    static std::optional<Error> seconds(std::string_view name, std::string_view v,
                                        std::optional<double>& out) {
        const auto s = parse_seconds(v);
        if (!s) {
            return usage_error(name, "expects a number of seconds");
        }
        out = *s;
        return std::nullopt;
    }

    std::span<const std::string_view> args_;
    std::size_t at_ = 0;
    std::optional<std::string_view> inline_;
    Options o_;
    bool stateGiven_ = false;
    bool pieceGapGiven_ = false;
};

} // namespace

std::span<const FaultName> fault_names() {
    return kFaultOptions;
}

std::optional<std::uint8_t> fault_bit(std::string_view name) {
    for (const FaultName& f : kFaultOptions) {
        if (f.name == name) {
            return f.bit;
        }
    }
    return std::nullopt;
}

Result<Options> parse_options(std::span<const std::string_view> args) {
    return Parser(args).run();
}

std::string usage_text() {
    std::string faults;
    for (const FaultName& f : kFaultOptions) {
        faults += faults.empty() ? "" : ", ";
        faults += f.name;
    }
    return "usage: motiview-sim [options]\n"
           "Plays the motor controller on a pseudo-terminal; prints its path on the first line.\n"
           "\n"
           "  --link PATH             place a symlink to the pseudo-terminal at PATH\n"
           "  --user-name NAME        name sent in the user-info frame (default SIM-0001)\n"
           "  --fault NAME            raise a current fault (repeatable): " +
           faults +
           "\n"
           "  --history-faults MASK   history fault word (0x.. or decimal)\n"
           "  --state CODE            controller state (default 3 RUN, 6 FAULT with --fault)\n"
           "  --gear CODE             gear code (default 2 FORWARD)\n"
           "  --set PAGE.NAME=TEXT    hold TEXT in a field from the start instead of its default\n"
           "                          (repeatable; e.g. basic.txtMaxspeed=5000)\n"
           "  --dump-blocks PATH      write the stored blocks to PATH at start, after every\n"
           "                          stored write and at exit\n"
           "  --silent-after N        stop answering after N status requests\n"
           "  --resume-after S        with --silent-after: answer again S seconds later\n"
           "  --noise-bytes K         K garbage bytes before the next answer\n"
           "  --noise-every N         with --noise-bytes: before every Nth answer\n"
           "  --drop-every N          drop every Nth answer\n"
           "  --drop-ack N            store the Nth write (counted from the start) but never\n"
           "                          acknowledge it\n"
           "  --drop-write N          lose the Nth write: neither stored nor acknowledged\n"
           "  --hangup-after S        hang up S seconds after the first status request\n"
           "  --hangup-at-write N     hang up when the Nth write arrives, before storing it\n"
           "  --reappear-after S2     after a hang-up: a new pseudo-terminal S2 seconds later,\n"
           "                          the --link symlink moved to it, the blocks kept\n"
           "  --pieces N              send all output in pieces of N bytes (1 to 31)\n"
           "  --piece-gap-ms MS       with --pieces: MS milliseconds between pieces (default\n"
           "                          5, at most 50)\n"
           "  --flood RATE            also send status frames unasked, RATE per second\n"
           "  --bad-end-once          the next parameter reply ends in 0x00\n"
           "  --max-seconds S         exit after S seconds (0: never, the default)\n"
           "  --verbose               one line per event on stderr\n"
           "  --help                  this text\n";
}

} // namespace motiview::sim
