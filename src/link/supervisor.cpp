#include "link/supervisor.h"

namespace motiview {

TickOutput Supervisor::tick() {
    TickOutput out;
    if (divider_ < kPollEvery - 1) {
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

} // namespace motiview
