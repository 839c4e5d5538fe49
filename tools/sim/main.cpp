// motiview-sim: the motor controller played on a pseudo-terminal.
#include "block_store.h"
#include "options.h"
#include "sim_loop.h"

#include <csignal>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

volatile std::sig_atomic_t g_stop = 0;

extern "C" void on_stop_signal(int) {
    g_stop = 1;
}

void install_signals() {
    struct sigaction sa {};
    sa.sa_handler = on_stop_signal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = 0; // no SA_RESTART: poll() returns at once
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, nullptr);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    for (const std::string_view a : args) {
        if (a == "--version") {
            std::printf("%s\n", MOTIVIEW_VERSION);
            return 0;
        }
    }
    const auto options = motiview::sim::parse_options(args);
    if (!options) {
        std::fprintf(stderr, "motiview-sim: %s\n%s", options.error().message.c_str(),
                     motiview::sim::usage_text().c_str());
        return 64;
    }
    if (options->help) {
        std::fputs(motiview::sim::usage_text().c_str(), stdout);
        std::fputs("  --version               the version\n", stdout);
        return 0;
    }
    const auto store = motiview::sim::BlockStore::with_texts(options->startTexts);
    if (!store) {
        std::fprintf(stderr, "motiview-sim: --set %s\n", store.error().message.c_str());
        return 64;
    }
    install_signals();
    motiview::sim::SimLoop loop(options.value(), stdout);
    return loop.run(g_stop);
}
