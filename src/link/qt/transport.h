#pragma once
// The one transport interface: the serial port wrapper implements it for the program and an
// in-process fake for widget tests, so tests see exactly the bytes that would be sent.

#include "base/bytes.h"
#include "link/line_settings.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <span>

namespace motiview {

struct OpenOutcome {
    bool ok = false;
    bool notFound = false; // the COM number names no device ("COM port does not exist.")
    QString message;       // what went wrong, naming the device
};

class Transport : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    ~Transport() override = default;

    // The port number (1..9) and line settings used by the next open.
    virtual void configure(int comNumber, const LineSettings& settings) = 0;
    // A device given by its path ("/dev/ttyUSB0", a pseudo-terminal) instead of a COM number.
    virtual void configureDevice(const QString& path, const LineSettings& settings) = 0;
    [[nodiscard]] virtual bool isOpen() const = 0;
    virtual OpenOutcome open() = 0;
    virtual void close() = 0;
    // Opens the port if it is closed, then writes the whole frame in one call. False when
    // the port could not be opened or the write did not take every byte; nothing is retried.
    virtual bool send(std::span<const std::uint8_t> frame) = 0;
    // Reads and drops up to `max` waiting bytes.
    virtual void discardInput(std::size_t max) = 0;
    // On: drops every waiting byte and every byte that arrives until it is turned off (each drop
    // reported by bytesDiscarded), so that no unit is cut from a garbled stretch of the line.
    virtual void setDraining(bool on) = 0;

  signals:
    // One complete 32-byte unit; partial data waits for the rest.
    void unitReceived(const motiview::Unit& unit);
    // The device went away or failed; the port has been closed.
    void portClosed(const QString& reason);
    // Received bytes thrown away unread: by discardInput(), or the oldest ones when more
    // arrived than the input buffer holds.
    void bytesDiscarded(std::size_t count);
    // A frame went onto the line whole (for the traffic monitor).
    void frameSent(const motiview::Bytes& frame);
};

} // namespace motiview
