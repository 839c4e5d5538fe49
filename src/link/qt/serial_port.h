#pragma once
// The program's serial port: QSerialPort behind the Transport interface.

#include "link/qt/transport.h"
#include "link/unit_assembler.h"

#include <QSerialPort>
#include <QString>
#include <QStringList>

namespace motiview {

struct ResolvedPort {
    QString device;      // "/dev/ttyUSB0", "COM3"; empty when nothing resolves
    QString description; // "FT232R USB UART"; may be empty
};

// COM n (1..9) to a device: MOTIVIEW_COM<n> when set; on Linux the n-th serial device present
// (USB and ACM adapters first, then on-board ports, each in natural name order); on Windows COMn.
[[nodiscard]] ResolvedPort resolve_com(int comNumber);

// "/dev/ttyUSB0, FT232R USB UART", or "not present".
[[nodiscard]] QString describe_com(int comNumber);

// Device names ("ttyUSB1", "ttyS10") in the order COM numbers are given to them: USB and ACM
// adapters first, then the others, each group in natural name order (ttyS2 before ttyS10).
[[nodiscard]] QStringList order_serial_devices(QStringList names);

// The device is there (a symlink to a vanished device is not).
[[nodiscard]] bool device_exists(const QString& device);
// This user may read and write the device (on Linux: in the dialout group, or root).
[[nodiscard]] bool may_open(const QString& device);

// The fix when a device may not be opened for want of permission.
inline constexpr const char* kDialoutFix =
    "add your user to the dialout group (sudo usermod -aG dialout $USER), then log out and in";

class SerialPort final : public Transport {
    Q_OBJECT
  public:
    explicit SerialPort(QObject* parent = nullptr);
    ~SerialPort() override;

    void configure(int comNumber, const LineSettings& settings) override;
    void configureDevice(const QString& path, const LineSettings& settings) override;
    [[nodiscard]] bool isOpen() const override;
    OpenOutcome open() override;
    void close() override;
    bool send(std::span<const std::uint8_t> frame) override;
    void discardInput(std::size_t max) override;
    void setDraining(bool on) override;

    // The device path of the last open attempt.
    [[nodiscard]] QString device() const { return device_; }

  private:
    void MSComm1_OnComm();
    void onError(QSerialPort::SerialPortError error);
    void dispatchUnits();
    void takeWaitingBytes();

    QSerialPort port_;
    UnitAssembler assembler_;
    QString device_;
    QString devicePath_; // set: open this device, not a COM number
    int comNumber_ = 1;
    LineSettings settings_{};
    bool failing_ = false;  // inside the close after a device failure
    bool draining_ = false; // every byte read is dropped
};

} // namespace motiview
