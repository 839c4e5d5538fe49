#include "link/qt/serial_port.h"

#include <QFileInfo>
#include <QSerialPortInfo>
#include <QTimer>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace motiview {
namespace {

bool is_adapter(const QString& name) {
    return name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM"));
}

// Digit runs compare by value, everything else character by character.
bool natural_less(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ei = i;
            qsizetype ej = j;
            while (ei < a.size() && a[ei].isDigit()) {
                ++ei;
            }
            while (ej < b.size() && b[ej].isDigit()) {
                ++ej;
            }
            QStringView da = QStringView(a).mid(i, ei - i);
            QStringView db = QStringView(b).mid(j, ej - j);
            while (da.size() > 1 && da.front() == u'0') {
                da = da.mid(1);
            }
            while (db.size() > 1 && db.front() == u'0') {
                db = db.mid(1);
            }
            if (da.size() != db.size()) {
                return da.size() < db.size();
            }
            const int c = da.compare(db);
            if (c != 0) {
                return c < 0;
            }
            i = ei;
            j = ej;
            continue;
        }
        if (a[i] != b[j]) {
            return a[i] < b[j];
        }
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j)) {
        return (a.size() - i) < (b.size() - j);
    }
    return a < b; // "ttyS01" and "ttyS1": any fixed order
}

QString description_of(const QString& device) {
    const QString canonical = QFileInfo(device).canonicalFilePath();
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (info.systemLocation() == device ||
            (!canonical.isEmpty() && info.systemLocation() == canonical)) {
            return info.description();
        }
    }
    return {};
}

bool device_present(const QString& device) {
#ifdef Q_OS_WIN
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (info.portName().compare(device, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
#else
    return QFileInfo::exists(device); // follows a symlink; a dangling one is absent
#endif
}

bool accessible(const QString& device) {
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0;
#else
    Q_UNUSED(device);
    return true;
#endif
}

QSerialPort::Parity to_qt(Parity p) {
    switch (p) {
    case Parity::Even:
        return QSerialPort::EvenParity;
    case Parity::Odd:
        return QSerialPort::OddParity;
    case Parity::None:
        break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits to_qt(StopBits s) {
    switch (s) {
    case StopBits::OneAndHalf:
        return QSerialPort::OneAndHalfStop;
    case StopBits::Two:
        return QSerialPort::TwoStop;
    case StopBits::One:
        break;
    }
    return QSerialPort::OneStop;
}

} // namespace

QStringList order_serial_devices(QStringList names) {
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const bool ua = is_adapter(a);
        const bool ub = is_adapter(b);
        if (ua != ub) {
            return ua;
        }
        return natural_less(a, b);
    });
    return names;
}

ResolvedPort resolve_com(int comNumber) {
    if (comNumber < 1) {
        return {};
    }
    const QString override = qEnvironmentVariable(
        QStringLiteral("MOTIVIEW_COM%1").arg(comNumber).toLatin1().constData());
    if (!override.isEmpty()) {
        return {override, description_of(override)};
    }
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("COM%1").arg(comNumber);
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (info.portName().compare(name, Qt::CaseInsensitive) == 0) {
            return {name, info.description()};
        }
    }
    return {name, {}};
#else
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    QStringList names;
    for (const QSerialPortInfo& info : ports) {
        names.append(info.portName());
    }
    names = order_serial_devices(names);
    const auto index = static_cast<qsizetype>(comNumber - 1);
    if (index >= names.size()) {
        return {};
    }
    for (const QSerialPortInfo& info : ports) {
        if (info.portName() == names[index]) {
            return {info.systemLocation(), info.description()};
        }
    }
    return {};
#endif
}

QString describe_com(int comNumber) {
    const ResolvedPort r = resolve_com(comNumber);
    if (r.device.isEmpty() || !device_present(r.device)) {
        return QStringLiteral("not present");
    }
    return r.description.isEmpty() ? r.device : r.device + QStringLiteral(", ") + r.description;
}

SerialPort::SerialPort(QObject* parent) : Transport(parent), port_(this) {
    port_.setObjectName(QStringLiteral("MSComm1"));
    connect(&port_, &QSerialPort::readyRead, this, &SerialPort::MSComm1_OnComm);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialPort::onError);
}

SerialPort::~SerialPort() {
    close();
}

bool device_exists(const QString& device) {
    return device_present(device);
}

bool may_open(const QString& device) {
    return accessible(device);
}

void SerialPort::configure(int comNumber, const LineSettings& settings) {
    comNumber_ = comNumber;
    devicePath_.clear();
    settings_ = settings;
}

void SerialPort::configureDevice(const QString& path, const LineSettings& settings) {
    devicePath_ = path;
    settings_ = settings;
}

bool SerialPort::isOpen() const {
    return port_.isOpen();
}

OpenOutcome SerialPort::open() {
    if (port_.isOpen()) {
        return {true, false, {}};
    }
    const ResolvedPort r =
        devicePath_.isEmpty() ? resolve_com(comNumber_) : ResolvedPort{devicePath_, QString()};
    const QString where =
        devicePath_.isEmpty() ? QStringLiteral("COM%1").arg(comNumber_) : devicePath_;
    device_ = r.device;
    if (r.device.isEmpty()) {
        return {false, true,
                QStringLiteral("COM%1: no serial device for this number.").arg(comNumber_)};
    }
    if (!device_present(r.device)) {
        return {false, true,
                devicePath_.isEmpty()
                    ? QStringLiteral("%1: %2 does not exist.").arg(where, r.device)
                    : QStringLiteral("%1 does not exist.").arg(r.device)};
    }

    port_.setPortName(r.device);
    port_.setBaudRate(settings_.baud);
    port_.setParity(to_qt(settings_.parity));
    port_.setDataBits(settings_.dataBits == 7 ? QSerialPort::Data7 : QSerialPort::Data8);
    port_.setStopBits(to_qt(settings_.stopBits));
    port_.setFlowControl(QSerialPort::NoFlowControl);
    assembler_.clear();

    if (port_.open(QIODevice::ReadWrite)) {
        port_.clearError();
        return {true, false, {}};
    }
    const QSerialPort::SerialPortError error = port_.error();
    const QString reason = port_.errorString();
    port_.clearError();
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return {false, true,
                devicePath_.isEmpty()
                    ? QStringLiteral("%1: %2 does not exist.").arg(where, r.device)
                    : QStringLiteral("%1 does not exist.").arg(r.device)};
    case QSerialPort::PermissionError:
        if (!accessible(r.device)) {
            return {false, false,
                    QStringLiteral("Permission denied on %1: add your user to the dialout group "
                                   "(sudo usermod -aG dialout $USER), then log out and in.")
                        .arg(r.device)};
        }
        return {false, false,
                QStringLiteral("%1 is already in use by another program.").arg(r.device)};
    default:
        break;
    }
    return {false, false, QStringLiteral("%1 cannot be opened: %2").arg(r.device, reason)};
}

void SerialPort::close() {
    if (port_.isOpen()) {
        // Pending output would only hold up the close.
        port_.clear();
        port_.close();
    }
    port_.clearError();
    assembler_.clear();
}

bool SerialPort::send(std::span<const std::uint8_t> frame) {
    if (!port_.isOpen() && !open().ok) {
        return false;
    }
    const auto size = static_cast<qint64>(frame.size());
    if (port_.write(reinterpret_cast<const char*>(frame.data()), size) != size) {
        return false;
    }
    emit frameSent(Bytes(frame.begin(), frame.end()));
    return true;
}

void SerialPort::takeWaitingBytes() {
    const QByteArray data = port_.readAll();
    const std::size_t dropped = assembler_.feed(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(data.constData()),
                                      static_cast<std::size_t>(data.size())));
    if (dropped > 0) {
        emit bytesDiscarded(dropped);
    }
}

void SerialPort::discardInput(std::size_t max) {
    if (port_.isOpen()) {
        takeWaitingBytes();
    }
    const std::size_t dropped = assembler_.discard(max);
    if (dropped > 0) {
        emit bytesDiscarded(dropped);
    }
    if (assembler_.waiting() >= kUnitSize) {
        // Whole units left over go out from the event loop, not from inside the caller's tick.
        QTimer::singleShot(0, this, &SerialPort::dispatchUnits);
    }
}

void SerialPort::setDraining(bool on) {
    draining_ = on;
    if (on) {
        std::size_t dropped = assembler_.discard(assembler_.waiting());
        if (port_.isOpen()) {
            dropped += static_cast<std::size_t>(port_.readAll().size());
        }
        if (dropped > 0) {
            emit bytesDiscarded(dropped);
        }
    }
}

void SerialPort::MSComm1_OnComm() {
    if (draining_) {
        const auto dropped = static_cast<std::size_t>(port_.readAll().size());
        if (dropped > 0) {
            emit bytesDiscarded(dropped);
        }
        return;
    }
    takeWaitingBytes();
    dispatchUnits();
}

void SerialPort::dispatchUnits() {
    // Each unit leaves the assembler before it is handed on, so a receiver that closes the
    // port or discards input in between sees a consistent buffer.
    while (const auto unit = assembler_.next()) {
        emit unitReceived(*unit);
    }
}

void SerialPort::onError(QSerialPort::SerialPortError error) {
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError) {
        return;
    }
    if (failing_ || !port_.isOpen()) {
        return;
    }
    // A vanished device (a hung-up pty reports ReadError again and again while the port still
    // looks open): close at the first report so nothing spins, and let the next send reopen.
    failing_ = true;
    const QString reason = QStringLiteral("%1: %2").arg(device_, port_.errorString());
    port_.clear();
    port_.close();
    port_.clearError();
    assembler_.clear();
    failing_ = false;
    emit portClosed(reason);
}

} // namespace motiview
