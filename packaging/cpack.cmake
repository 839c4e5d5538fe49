# The Debian package: `cpack -G DEB` in a build folder (scripts/package-deb.sh makes a release
# build and runs it). Included from the top level before packaging/ so that both see the
# release's date, license and maintainer.

# The release in the metainfo, the changelog and the manual pages.
set(MOTIVIEW_RELEASE_DATE "2026-12-08")
set(MOTIVIEW_LICENSE "MIT")
set(MOTIVIEW_MAINTAINER "EV Motiview developers <maintainers@motiview.org>")
# Where the README's screenshots are published; software centres fetch them from here.
set(MOTIVIEW_SCREENSHOT_URL "https://motiview.org/screenshots"
    CACHE STRING "Base URL of the published screenshots (main-window.png, settings-dialog.png)")

# Days from 1970-01-01 to DATE (YYYY-MM-DD), for SOURCE_DATE_EPOCH.
function(motiview_days_since_epoch date out)
  string(REGEX MATCH "^([0-9]+)-0*([0-9]+)-0*([0-9]+)$" _ ${date})
  set(y ${CMAKE_MATCH_1})
  set(m ${CMAKE_MATCH_2})
  set(d ${CMAKE_MATCH_3})
  # The year starts in March, so the leap day is the last day of the year.
  if(m LESS_EQUAL 2)
    math(EXPR y "${y} - 1")
    math(EXPR mp "${m} + 9")
  else()
    math(EXPR mp "${m} - 3")
  endif()
  math(EXPR era "${y} / 400")
  math(EXPR yoe "${y} - ${era} * 400")
  math(EXPR doy "(153 * ${mp} + 2) / 5 + ${d} - 1")
  math(EXPR doe "${yoe} * 365 + ${yoe} / 4 - ${yoe} / 100 + ${doy}")
  math(EXPR days "${era} * 146097 + ${doe} - 719468")
  set(${out} ${days} PARENT_SCOPE)
endfunction()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME motiview)
set(CPACK_PACKAGE_VENDOR "EV Motiview developers")
set(CPACK_PACKAGE_CONTACT "${MOTIVIEW_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "service tool for the motor controller of an electric vehicle")
# Lines stay under 80 columns as dpkg shows them (lintian checks).
set(CPACK_PACKAGE_DESCRIPTION
    "EV Motiview connects a workshop PC to an electric vehicle's motor
controller over a serial line. The technician watches the controller's
live state and faults, reads, changes and writes back its eleven
parameter pages, runs the hall sensor tests and resets the DC current
calibration count.

The package holds the window (motiview), a command-line tool that backs
up, restores and compares all parameters in a file (motiview-cli) and a
controller simulator on a pseudo-terminal for training and testing
(motiview-sim).")
set(CPACK_STRIP_FILES ON)
# Directories in the package as dpkg expects them, whatever the builder's umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                                GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PACKAGE_NAME motiview)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MOTIVIEW_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window in Simplified Chinese needs a CJK font; German and English do without.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-noto-cjk)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/debian/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
