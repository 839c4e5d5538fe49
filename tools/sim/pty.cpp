#include "pty.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace motiview::sim {
namespace {

Error os_error(const std::string& what) {
    return Error{{}, what + ": " + std::strerror(errno)};
}

} // namespace

Pty::~Pty() {
    close();
}

Result<bool> Pty::open() {
    close();
    const int m = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m < 0) {
        return os_error("posix_openpt");
    }
    if (::grantpt(m) != 0 || ::unlockpt(m) != 0) {
        const Error e = os_error("grantpt/unlockpt");
        ::close(m);
        return e;
    }
    const char* name = ::ptsname(m);
    if (name == nullptr) {
        const Error e = os_error("ptsname");
        ::close(m);
        return e;
    }
    const std::string path = name;
    const int s = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (s < 0) {
        const Error e = os_error("open " + path);
        ::close(m);
        return e;
    }
    termios tio{};
    if (::tcgetattr(s, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(s, TCSANOW, &tio);
    }
    const int flags = ::fcntl(m, F_GETFL);
    ::fcntl(m, F_SETFL, flags | O_NONBLOCK);
    ::fcntl(m, F_SETFD, FD_CLOEXEC);
    ::fcntl(s, F_SETFD, FD_CLOEXEC);
    master_ = m;
    holder_ = s;
    path_ = path;
    // Watched after our own open, so that only the PC's openings are seen.
    watch_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch_ >= 0 && ::inotify_add_watch(watch_, path.c_str(), IN_OPEN | IN_CLOSE) < 0) {
        ::close(watch_);
        watch_ = -1;
    }
    return true;
}

void Pty::close() {
    if (watch_ >= 0) {
        ::close(watch_);
        watch_ = -1;
    }
    if (holder_ >= 0) {
        ::close(holder_);
        holder_ = -1;
    }
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
}

void Pty::reopen_holder() {
    if (master_ < 0 || path_.empty()) {
        return;
    }
    const int s = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (s >= 0) {
        if (holder_ >= 0) {
            ::close(holder_);
        }
        holder_ = s;
    }
}

Pty::Openings Pty::take_openings() {
    Openings o;
    if (watch_ < 0) {
        return o;
    }
    alignas(inotify_event) char buf[4096];
    for (;;) {
        const ssize_t n = ::read(watch_, buf, sizeof buf);
        if (n <= 0) {
            return o;
        }
        for (ssize_t at = 0; at < n;) {
            inotify_event ev{};
            std::memcpy(&ev, buf + at, sizeof ev);
            o.opened += (ev.mask & IN_OPEN) != 0 ? 1u : 0u;
            o.closed += (ev.mask & IN_CLOSE) != 0 ? 1u : 0u;
            at += static_cast<ssize_t>(sizeof(inotify_event) + ev.len);
        }
    }
}

Result<bool> place_symlink(const std::string& link, const std::string& target) {
    struct stat st {};
    if (::lstat(link.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
        return Error{{}, link + " exists and is not a symlink; not replaced"};
    }
    const std::string tmp = link + ".tmp." + std::to_string(::getpid());
    ::unlink(tmp.c_str());
    if (::symlink(target.c_str(), tmp.c_str()) != 0) {
        return os_error("symlink " + link);
    }
    if (::rename(tmp.c_str(), link.c_str()) != 0) {
        const Error e = os_error("rename " + link);
        ::unlink(tmp.c_str());
        return e;
    }
    return true;
}

void remove_symlink(const std::string& link, const std::string& target) {
    char buf[4096];
    const ssize_t n = ::readlink(link.c_str(), buf, sizeof buf - 1);
    if (n > 0 && std::string(buf, static_cast<std::size_t>(n)) == target) {
        ::unlink(link.c_str());
    }
}

} // namespace motiview::sim
