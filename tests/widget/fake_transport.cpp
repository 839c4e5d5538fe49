#include "fake_transport.h"

namespace motiview::test {

void FakeTransport::configure(int com, const LineSettings& s) {
    comNumber = com;
    device.clear();
    settings = s;
}

void FakeTransport::configureDevice(const QString& path, const LineSettings& s) {
    comNumber = 0;
    device = path;
    settings = s;
}

OpenOutcome FakeTransport::open() {
    ++opens;
    if (failOpen) {
        return {false, notFound, QStringLiteral("COM%1 cannot be opened").arg(comNumber)};
    }
    open_ = true;
    return {true, false, {}};
}

bool FakeTransport::send(std::span<const std::uint8_t> frame) {
    if (!open_ && !open().ok) {
        return false;
    }
    sent.emplace_back(frame.begin(), frame.end());
    emit frameSent(sent.back());
    if (onSend) {
        onSend(sent.back());
    }
    return true;
}

} // namespace motiview::test
