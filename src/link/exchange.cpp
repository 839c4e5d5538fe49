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

std::optional<Expectation> expected_answer(RequestKind kind, PageId page) {
    const RequestRow& row = request_row(kind);
    if (!row.answer) {
        return std::nullopt;
    }
    Expectation e;
    e.kind = *row.answer;
    if (request_codes(row).source != CodeSource::Page) {
        e.page = frame_kind(*row.answer).page;
        return e;
    }
    const PageId id = row.page.value_or(page);
    e.page = id;
    if (row.answerCode != PageCode::None) {
        e.code = page_code(page_codes(id), row.answerCode);
    }
    return e;
}

} // namespace motiview
