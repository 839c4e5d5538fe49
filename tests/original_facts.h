#pragma once
// The original tool's fixed texts, pinned once: the suites that check the tables and the ones
// that check the windows both read them from here.

#include <array>
#include <ostream>

namespace motiview::test {

struct Caption {
    const char* label;
    const char* text;
};

inline void PrintTo(const Caption& c, std::ostream* os) {
    *os << c.label;
}

// The status and fault panels after the caption routine, by label.
inline constexpr std::array<Caption, 44> kPanelCaptions = {
    {{"lblfrmSysStatusVdc", "Vdc[V]"},
     {"lblfrmSysStatusIdc", "Idc[A]"},
     {"lblfrmSysStatusRPM", "Revolution[rpm]"},
     {"lblfrmSysStatusVthrot", "Motor T[Deg]"},
     {"lblfrmSysStatustemp", "Power T[Deg]"},
     {"lblfrmSysStatusTref", "Iq ref[A]"},
     {"lblfrmSysStatusTact", "Iq actual[A]"},
     {"lblIdref", "Id ref[A]"},
     {"lblIdactual", "Id actual[A]"},
     {"lblfrmSysStatusHallC", "Hall calib"},
     {"lblfrmSysStatusAlarm", "Alarm"},
     {"lblfrmSysStatusEco", "Forward"},
     {"lblfrmSysStatusHallP", "Throttle vdc[V]"},
     {"lblfrmSysStatusBrake", "Brake"},
     {"lblfrmSysStatusDir", "Backward"},
     {"lblfrmSysStatusBoost", "Boost"},
     {"lblHallSt", "Hall"},
     {"lblMode", "Mode"},
     {"lblECO", "ECO status"},
     {"lblState", "STATE"},
     {"lblHallG", "Hall G"},
     {"lblCurrent", "Current"},
     {"lblhistory", "History"},
     {"lblErrTitle", "Error description"},
     {"lblfrmErrHall", "Hall"},
     {"lblfrmErrUV", "Under vdc"},
     {"lblfrmErrOV", "Over vdc"},
     {"lblfrmErrOH", "Over heat"},
     {"lblfrmErrOIac", "Over iac"},
     {"lblfrmErrDQtime", "Over load"},
     {"lblfrmErrLockM", "Motor lock"},
     {"lblfrmErrMOH", "Motor OH"},
     {"lblfrmErrMSOpen", "MS open"},
     {"lblfrmErrMSShort", "MS short"},
     {"lblfrmErrHallD", "Hall sensor is error"},
     {"lblfrmErrUVD", "Battery voltage is too low"},
     {"lblfrmErrOVD", "Battery voltage is too high"},
     {"lblfrmErrOHD", "The controller is over heat"},
     {"lblfrmErrOIacD", "The controller is over current"},
     {"lblfrmErrDQtimeD", "Heavy load run time out"},
     {"lblfrmErrLockMD", "Motor lock time out"},
     {"lblfrmErrMOHD", "The motor is over heat"},
     {"lblfrmErrMSOpenD", "The motor thermistor is open"},
     {"lblfrmErrMSShortD", "The motor thermistor is short"}}};

} // namespace motiview::test
