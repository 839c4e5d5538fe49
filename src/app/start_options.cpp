#include "app/start_options.h"

#include "link/line_settings.h"

namespace motiview {

StartOptions parse_start_options(const QStringList& args) {
    StartOptions o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.help = true;
            continue;
        }
        if (a == QLatin1String("--version")) {
            o.version = true;
            continue;
        }
        for (const char* option : {"--port", "--baud", "--history"}) {
            const QString name = QLatin1String(option);
            QString value;
            if (a == name) {
                if (i + 1 >= args.size()) {
                    o.error = name + QStringLiteral(" needs a value");
                    return o;
                }
                value = args[++i];
            } else if (a.startsWith(name + QLatin1Char('='))) {
                value = a.mid(name.size() + 1);
            } else {
                continue;
            }
            if (name == QLatin1String("--history")) {
                o.history = value;
            } else if (name == QLatin1String("--port")) {
                if (!port_choice(value)) {
                    o.error = QStringLiteral("--port: a device path or a COM number 1 to 9");
                    return o;
                }
                o.port = value;
            } else {
                bool ok = false;
                const int baud = value.toInt(&ok);
                if (!ok || baud <= 0) {
                    o.error =
                        QStringLiteral("--baud: a baud rate such as 57600, got '%1'").arg(value);
                    return o;
                }
                o.baud = baud;
            }
        }
    }
    if (o.baud && !o.port) {
        o.error = QStringLiteral("--baud goes with --port");
    }
    return o;
}

std::optional<PortChoice> start_port(const StartOptions& o, const QString& settings) {
    if (!o.port) {
        return std::nullopt;
    }
    QString line = parse_line_settings(settings.toStdString()) ? settings : kDefaultLineSettings;
    if (o.baud) {
        QStringList parts = line.split(QLatin1Char(','));
        parts[0] = QString::number(*o.baud);
        line = parts.join(QLatin1Char(','));
    }
    return port_choice(*o.port, line);
}

} // namespace motiview
