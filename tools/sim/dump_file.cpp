#include "dump_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace motiview::sim {

Result<bool> write_file_atomically(const std::string& path, std::string_view text) {
    const std::string tmp = path + ".tmp." + std::to_string(::getpid());
    std::FILE* f = std::fopen(tmp.c_str(), "wb");
    if (f == nullptr) {
        return Error{{}, tmp + ": " + std::strerror(errno)};
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed) {
        ::unlink(tmp.c_str());
        return Error{{}, tmp + ": write failed"};
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return Error{{}, path + ": " + std::strerror(err)};
    }
    return true;
}

} // namespace motiview::sim
