#pragma once
// In-process transport for widget tests: records every frame that would be written and lets a
// test deliver units as if the controller had sent them.

#include "link/qt/transport.h"

#include <functional>
#include <vector>

namespace motiview::test {

class FakeTransport final : public Transport {
    Q_OBJECT
  public:
    using Transport::Transport;

    void configure(int comNumber, const LineSettings& settings) override;
    void configureDevice(const QString& path, const LineSettings& settings) override;
    [[nodiscard]] bool isOpen() const override { return open_; }
    OpenOutcome open() override;
    void close() override { open_ = false; }
    bool send(std::span<const std::uint8_t> frame) override;
    void discardInput(std::size_t max) override { discards.push_back(max); }
    void setDraining(bool on) override {
        draining = on;
        drains += on ? 1 : 0;
    }

    // Delivers a unit as the serial wrapper would; while draining it is dropped.
    void deliver(const Unit& unit) {
        if (draining) {
            drained += kUnitSize;
            emit bytesDiscarded(kUnitSize);
            return;
        }
        emit unitReceived(unit);
    }

    std::vector<Bytes> sent;
    // Called with every frame sent, after it is recorded (a controller double answers here).
    std::function<void(const Bytes&)> onSend;
    std::vector<std::size_t> discards;
    int comNumber = 0;
    QString device; // set by configureDevice(), cleared by configure()
    LineSettings settings{};
    int opens = 0;
    bool draining = false;
    int drains = 0;          // times draining was turned on
    std::size_t drained = 0; // bytes dropped while draining
    bool failOpen = false;   // open() fails as for a missing device
    bool notFound = true;    // ...reported as "does not exist"

  private:
    bool open_ = false;
};

} // namespace motiview::test
