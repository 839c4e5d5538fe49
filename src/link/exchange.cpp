#include "link/exchange.h"

namespace motiview {

void Exchange::on_unit(const Unit& unit) {
    if (done() || !sent_) {
        return;
    }
    const Classification c = classify(unit);
    if (expect_.matches(unit, c)) {
        answer_ = unit;
        state_ = ExchangeState::Answered;
    } else if (c.kind == UnitKind::Broken) {
        state_ = ExchangeState::Broken;
    } else if (c.kind == UnitKind::Unknown) {
        state_ = ExchangeState::Unknown;
    }
}

void Exchange::tick() {
    if (done() || !sent_) {
        return;
    }
    if (++ticks_ >= timeoutTicks_) {
        state_ = ExchangeState::TimedOut;
    }
}

std::string_view exchange_state_name(ExchangeState s) {
    switch (s) {
    case ExchangeState::Waiting:
        return "waiting";
    case ExchangeState::Answered:
        return "answered";
    case ExchangeState::TimedOut:
        return "no answer in time";
    case ExchangeState::Broken:
        return "broken unit";
    case ExchangeState::Unknown:
        return "unknown unit";
    }
    return "waiting";
}

} // namespace motiview
