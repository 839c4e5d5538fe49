// Page lookup by id, by command-line name and by window name; what pages and fields are called.

#include "pages/page_schema.h"

#include "pages/page_tables.h"

#include <array>

namespace motiview {

const PageSchema& page_schema(PageId id) {
    switch (id) {
    case PageId::Basic:
        return basic_page();
    case PageId::Reference:
        return reference_page();
    case PageId::Motor:
        return motor_page();
    case PageId::Control:
        return control_page();
    case PageId::TorquePid:
        return torque_pid_page();
    case PageId::Protection:
        return protection_page();
    case PageId::ModeSet:
        return mode_set_page();
    case PageId::Other:
        return other_page();
    case PageId::FluxWeaken:
        return flux_weaken_page();
    case PageId::Derate:
        return derate_page();
    case PageId::Hardware:
        return hardware_page();
    }
    return basic_page(); // not reached: every PageId is listed above
}

const PageSchema* page_by_cli_name(std::string_view name) {
    for (PageId id : kAllPages) {
        const PageSchema& page = page_schema(id);
        if (page.cliName == name) {
            return &page;
        }
    }
    return nullptr;
}

const PageSchema* page_by_window(std::string_view window) {
    for (PageId id : kAllPages) {
        const PageSchema& page = page_schema(id);
        if (page.window == window) {
            return &page;
        }
    }
    return nullptr;
}

namespace {

struct OwnedBytes {
    std::array<std::uint8_t, kUnitSize> at{};
    std::size_t count = 0;
};

OwnedBytes owned_bytes_of(const PageSchema& page) {
    OwnedBytes owned;
    for (const FieldSchema& f : page.fields) {
        if (f.kind != FieldKind::ControllerOwned) {
            continue;
        }
        for (std::size_t b = 0; b < width_bytes(f.width); ++b) {
            owned.at[owned.count++] = static_cast<std::uint8_t>(f.offset + b);
        }
    }
    return owned;
}

} // namespace

std::span<const std::uint8_t> controller_owned_bytes(const PageSchema& page) {
    static const auto all = [] {
        std::array<OwnedBytes, kPageCount> a{};
        for (PageId id : kAllPages) {
            a[static_cast<std::size_t>(id)] = owned_bytes_of(page_schema(id));
        }
        return a;
    }();
    const OwnedBytes& o = all[static_cast<std::size_t>(page.id)];
    return {o.at.data(), o.count};
}

const FieldSchema* find_field(const PageSchema& page, std::string_view name) {
    const auto i = field_index(page, name);
    return i ? &page.fields[*i] : nullptr;
}

std::string_view page_title(const PageSchema& page) {
    if (!page.title.empty()) {
        return page.title;
    }
    return !page.designTitle.empty() ? page.designTitle : page.cliName;
}

std::string_view field_caption(const PageSchema& page, const FieldSchema& field) {
    if (!field.caption.empty()) {
        return field.caption;
    }
    // Back along the row to the box that carries its caption.
    const auto* first = page.fields.data();
    for (const FieldSchema* f = &field; f->sameRow && f != first;) {
        --f;
        if (!f->caption.empty()) {
            return f->caption;
        }
    }
    return !field.designLabel.empty() ? field.designLabel : field.name;
}

} // namespace motiview
