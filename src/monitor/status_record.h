#pragma once
// One status frame as a row of a recording (CSV): the values the panels show, at the panels'
// precision, with "." and no grouping whatever the locale, so that a recording from the window
// and one from the command line read the same.

#include "base/bytes.h"

#include <string>
#include <string_view>

namespace motiview {

inline constexpr std::string_view kRecordHeader =
    "time,elapsed_s,vdc_v,idc_a,speed_rpm,motor_temp_c,power_temp_c,iq_ref_a,iq_act_a,id_ref_a,"
    "id_act_a,throttle_v,state,gear,hall_state,mode,pedal_error,flags_hex,inputs_hex,"
    "current_faults_hex,history_faults_hex,current_faults";

// `time`: ISO 8601 with milliseconds and offset; `elapsedMs`: since the recording started.
// No line end.
[[nodiscard]] std::string record_row(const Unit& frame, std::string_view time, long long elapsedMs);

// The active faults of a current fault word by name, joined by `separator`.
[[nodiscard]] std::string fault_names(std::uint16_t currentFaults, std::string_view separator);

} // namespace motiview
