// Page lookup by id, by command-line name and by window name.

#include "pages/page_schema.h"

#include "pages/page_tables.h"

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

const FieldSchema* find_field(const PageSchema& page, std::string_view name) {
    for (const FieldSchema& field : page.fields) {
        if (field.name == name) {
            return &field;
        }
    }
    return nullptr;
}

} // namespace motiview
