#pragma once
// A recording of status frames in the command line's format: the header, then one row per
// frame, each flushed as it comes so a pulled plug loses at most the row being written. A
// write error ends the recording with a message; nothing is thrown.

#include "base/bytes.h"
#include "base/result.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace motiview {

class StatusRecorder {
  public:
    StatusRecorder() = default;
    ~StatusRecorder();
    StatusRecorder(const StatusRecorder&) = delete;
    StatusRecorder& operator=(const StatusRecorder&) = delete;

    // Creates the file (replacing one of that name) and writes the header. `startMs` is the
    // steady clock the row times count from. A recording already running is stopped first.
    Result<bool> start(const std::string& path, std::int64_t startMs);

    // One row for a status frame received at `nowMs`; `time` is the wall-clock text of the
    // row (ISO 8601 with milliseconds and offset). A write error stops the recording and is
    // returned; while stopped, frames are refused.
    Result<bool> add(const Unit& frame, std::string_view time, std::int64_t nowMs);

    // Closes the file. An error when the last bytes could not be written.
    Result<bool> stop();

    [[nodiscard]] bool recording() const { return file_ != nullptr; }
    [[nodiscard]] long long rows() const { return rows_; }
    [[nodiscard]] std::int64_t elapsed_ms(std::int64_t nowMs) const { return nowMs - startMs_; }
    [[nodiscard]] const std::string& path() const { return path_; }
    // Why the last recording stopped by itself; empty when it did not.
    [[nodiscard]] const std::string& error() const { return error_; }

  private:
    Result<bool> fail(std::string message);
    int write(std::string_view text); // 0, or the errno of the failure

    std::FILE* file_ = nullptr;
    std::string path_;
    std::string error_;
    std::int64_t startMs_ = 0;
    long long rows_ = 0;
};

} // namespace motiview
