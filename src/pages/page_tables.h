#pragma once
// The eleven parameter pages. Each lives in its own file (basic.cpp, reference.cpp, ...) as a
// wire table and a view table checked at build time (page_table_builder.h); page_schema(id)
// picks one.

#include "pages/page_schema.h"

namespace motiview {

[[nodiscard]] const PageSchema& basic_page();
[[nodiscard]] const PageSchema& reference_page();
[[nodiscard]] const PageSchema& motor_page();
[[nodiscard]] const PageSchema& control_page();
[[nodiscard]] const PageSchema& torque_pid_page();
[[nodiscard]] const PageSchema& protection_page();
[[nodiscard]] const PageSchema& mode_set_page();
[[nodiscard]] const PageSchema& other_page();
[[nodiscard]] const PageSchema& flux_weaken_page();
[[nodiscard]] const PageSchema& derate_page();
[[nodiscard]] const PageSchema& hardware_page();

} // namespace motiview
