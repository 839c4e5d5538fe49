#pragma once
// The window's command line: --help, --version, and the port to open at start
// (--port PORT [--baud N]), and the service history's file (--history PATH). Everything else is
// left to Qt.

#include "ui/com_settings_dialog.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace motiview {

struct StartOptions {
    bool help = false;
    bool version = false;
    std::optional<QString> port; // as given: a COM number 1..9 ("3", "COM3") or a device path
    std::optional<int> baud;
    QString history; // the service history file; empty: MOTIVIEW_HISTORY, else the data folder
    QString error;   // non-empty: a usage error, nothing else counts
};

[[nodiscard]] StartOptions parse_start_options(const QStringList& args);

// The port the command line asks for, with the dialog's line settings (`settings`, the
// remembered ones) and the baud rate replaced when --baud is given.
[[nodiscard]] std::optional<PortChoice> start_port(const StartOptions& o, const QString& settings);

} // namespace motiview
