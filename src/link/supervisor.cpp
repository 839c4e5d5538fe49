#include "link/supervisor.h"

namespace motiview {

TickOutput Supervisor::tick() {
    TickOutput out;
    if (divider_ + 1 < pollEvery_) {
        ++divider_;
    } else {
        divider_ = 0;
        out.poll = true;
        // The flag stays set: only a valid unit clears it.
        out.discardInput = link_.broken;
        if (link_.state == LinkState::Offline) {
            link_.state = LinkState::Connecting;
        }
    }
    // After the poll of the same tick, so a silent link shows offline at once again.
    if (link_.silence >= kSilenceLimit) {
        link_.state = LinkState::Offline;
    } else {
        ++link_.silence;
    }
    out.state = link_.state;
    return out;
}

bool Supervisor::set_poll_rate(int perSecond) {
    for (int rate : kPollRates) {
        if (rate == perSecond) {
            pollEvery_ = static_cast<std::uint8_t>(kPollEvery / rate);
            // A faster rate polls on the next tick rather than after the old period.
            if (divider_ + 1 >= pollEvery_) {
                divider_ = static_cast<std::uint8_t>(pollEvery_ - 1);
            }
            return true;
        }
    }
    return false;
}

LinkDisplay link_display(LinkState state, int portNumber, std::string_view settings) {
    LinkDisplay d;
    d.portNo = "COM - " + (portNumber == 0 ? std::string("?") : std::to_string(portNumber));
    d.portState = std::string(settings);
    switch (state) {
    case LinkState::Offline:
        d.label = "offline";
        break;
    case LinkState::Connecting:
        d.label = "Connecting...";
        d.portState = "?";
        break;
    case LinkState::Online:
        d.lamp = Lamp::Green;
        d.label = "online";
        d.buttonsEnabled = true;
        break;
    }
    return d;
}

DataNotice data_notice(LinkState state, const std::optional<std::string>& lastFrameClock) {
    if (!lastFrameClock) {
        return {true,
                state == LinkState::Connecting ? std::string("Connecting...")
                                               : std::string(kNoDataYet),
                {}};
    }
    if (state == LinkState::Online) {
        return {};
    }
    std::string line(kLastDataAt);
    line.replace(line.find("%1"), 2, *lastFrameClock);
    return {true, line, *lastFrameClock};
}

} // namespace motiview
