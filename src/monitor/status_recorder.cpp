#include "monitor/status_recorder.h"

#include "monitor/status_record.h"

#include <cerrno>
#include <system_error>

namespace motiview {
namespace {

std::string errno_text(int err) {
    return err != 0 ? std::generic_category().message(err) : std::string("unknown error");
}

} // namespace

StatusRecorder::~StatusRecorder() {
    (void)stop();
}

Result<bool> StatusRecorder::start(const std::string& path, std::int64_t startMs) {
    (void)stop();
    path_ = path;
    error_.clear();
    rows_ = 0;
    startMs_ = startMs;
    errno = 0;
    file_ = std::fopen(path.c_str(), "wb");
    if (file_ == nullptr) {
        return fail("\"" + path + "\" cannot be written: " + errno_text(errno));
    }
    if (const int err = write(record_header() + "\n"); err != 0) {
        return fail("Recording to \"" + path + "\" failed: " + errno_text(err));
    }
    return true;
}

Result<bool> StatusRecorder::add(const Unit& frame, std::string_view time, std::int64_t nowMs) {
    if (file_ == nullptr) {
        return Error{"", "Not recording."};
    }
    if (const int err = write(record_row(frame, time, elapsed_ms(nowMs)) + "\n"); err != 0) {
        return fail("Recording to \"" + path_ + "\" stopped after " + std::to_string(rows_) +
                    " rows: " + errno_text(err));
    }
    ++rows_;
    return true;
}

Result<bool> StatusRecorder::stop() {
    if (file_ == nullptr) {
        return true;
    }
    errno = 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed) {
        error_ = "Closing \"" + path_ + "\" failed: " + errno_text(errno);
        return Error{"", error_};
    }
    return true;
}

int StatusRecorder::write(std::string_view text) {
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size() || std::fflush(file_) != 0) {
        return errno != 0 ? errno : EIO;
    }
    return 0;
}

Result<bool> StatusRecorder::fail(std::string message) {
    if (file_ != nullptr) {
        std::fclose(file_); // what could not be written is lost; the first error is the one told
        file_ = nullptr;
    }
    error_ = std::move(message);
    return Error{"", error_};
}

} // namespace motiview
