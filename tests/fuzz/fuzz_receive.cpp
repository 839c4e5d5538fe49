// The receive path: an arbitrary byte stream cut into arbitrary chunks -> units -> dispatch
// -> the decoders, as the program runs it.
#include "fuzz_check.h"

#include "link/receiver.h"
#include "link/unit_assembler.h"
#include "monitor/status_frame.h"
#include "pages/page_codec.h"

#include <cstddef>
#include <cstdint>
#include <span>

using namespace motiview;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    // The first byte chooses the chunk length of the delivery.
    const std::size_t chunk = static_cast<std::size_t>(data[0] % 40) + 1;
    const std::span<const std::uint8_t> stream(data + 1, size - 1);
    const NumberFormat format = (data[0] & 0x80) != 0 ? NumberFormat{",", "."} : NumberFormat{};

    UnitAssembler assembler;
    LinkShared link;
    link.state = LinkState::Connecting;
    std::vector<PageState> pages;
    for (PageId id : kAllPages) {
        pages.push_back(design_state(page_schema(id)));
    }
    for (std::size_t at = 0; at < stream.size(); at += chunk) {
        (void)assembler.feed(stream.subspan(at, std::min(chunk, stream.size() - at)));
        FUZZ_CHECK(assembler.waiting() <= UnitAssembler::kInputBufferSize);
        while (const auto unit = assembler.next()) {
            const Action action = receive_unit(*unit, link);
            FUZZ_CHECK(link.broken == ((*unit)[31] != kEndByte));
            if (link.broken) {
                FUZZ_CHECK(action.type == ActionType::None);
                continue;
            }
            FUZZ_CHECK(link.silence == 0);
            switch (action.type) {
            case ActionType::Status: {
                const StatusView view = decode_status(action.unit, format);
                FUZZ_CHECK(!view.labels.empty());
                FUZZ_CHECK(link.state == LinkState::Online);
                break;
            }
            case ActionType::PageReply: {
                FUZZ_CHECK(action.page.has_value());
                const PageSchema& schema = page_schema(*action.page);
                PageState& state = pages[static_cast<std::size_t>(*action.page)];
                decode_into(schema, action.unit, state, format);
                FUZZ_CHECK(state.filled);
                FUZZ_CHECK(state.fields.size() == schema.fields.size());
                break;
            }
            case ActionType::UserName:
                FUZZ_CHECK(action.text.size() <= 20 * 3);
                break;
            default:
                break;
            }
        }
    }
    return 0;
}
