#include "pty.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
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
        // A speed unlike the controller's 57600, so that a PC opening the port shows.
        ::cfsetispeed(&tio, B9600);
        ::cfsetospeed(&tio, B9600);
        ::tcsetattr(s, TCSANOW, &tio);
    }
    const int flags = ::fcntl(m, F_GETFL);
    ::fcntl(m, F_SETFL, flags | O_NONBLOCK);
    ::fcntl(m, F_SETFD, FD_CLOEXEC);
    ::fcntl(s, F_SETFD, FD_CLOEXEC);
    master_ = m;
    holder_ = s;
    path_ = path;
    return true;
}

void Pty::close() {
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

unsigned long Pty::line_settings() const {
    termios tio{};
    if (master_ < 0 || ::tcgetattr(master_, &tio) != 0) {
        return 0;
    }
    return static_cast<unsigned long>(::cfgetospeed(&tio)) ^
           (static_cast<unsigned long>(tio.c_cflag) << 8) ^
           (static_cast<unsigned long>(tio.c_lflag) << 20);
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
