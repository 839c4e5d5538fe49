#pragma once
// The pseudo-terminal the simulator plays the controller on, and the symlink that names it.

#include "base/result.h"

#include <string>

namespace motiview::sim {

class Pty {
  public:
    Pty() = default;
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    // A new master in raw mode, non-blocking, with a slave descriptor of our own held open
    // so that the device survives the PC closing and reopening it.
    [[nodiscard]] Result<bool> open();
    // Closes the master and our slave: the PC sees a hang-up.
    void close();

    [[nodiscard]] bool is_open() const { return master_ >= 0; }
    [[nodiscard]] int master() const { return master_; }
    [[nodiscard]] const std::string& slave_path() const { return path_; }

    // After a hang-up condition on the master (it should not happen while our slave is
    // open): reopens our slave so that polling does not report it again and again.
    void reopen_holder();

    // Watches the slave for opens by others (inotify); -1 when the system offers no watch.
    [[nodiscard]] int watch_fd() const { return watch_; }
    // Reads the pending watch events: how many opens and closes of the slave there were.
    struct Openings {
        unsigned opened = 0;
        unsigned closed = 0;
    };
    [[nodiscard]] Openings take_openings();

  private:
    int master_ = -1;
    int holder_ = -1;
    int watch_ = -1;
    std::string path_;
};

// Points `link` at `target`, replacing an old symlink (a stale one included) in one step.
// Refuses to replace anything that is not a symlink.
[[nodiscard]] Result<bool> place_symlink(const std::string& link, const std::string& target);
// Removes `link` if it is still a symlink to `target`.
void remove_symlink(const std::string& link, const std::string& target);

} // namespace motiview::sim
