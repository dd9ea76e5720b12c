# Two Debian packages from the installed components (cpack -G DEB in the build folder): korvanta-calc,
# the command alone, for hosts that calculate batches without a desktop; korvanta, the windows.
set(CPACK_PACKAGE_NAME korvanta)
set(CPACK_PACKAGE_VENDOR "Korvanta Gear Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Korvanta Gear Software <gears@korvanta.example>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL calc)
if(KORVANTA_WITH_WINDOWS)
  list(APPEND CPACK_COMPONENTS_ALL desktop)
endif()

set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.korvanta.example/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# dpkg-shlibdeps finds the libraries each program links (Qt and the C++ runtime, or the runtime alone).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# The first line is the summary, every further line one line of the long description.
set(CPACK_DEBIAN_CALC_PACKAGE_NAME korvanta-calc)
set(CPACK_DEBIAN_CALC_DESCRIPTION [[Gear inspection data of a pair of involute gears, from a shell
korvanta-calc calculates the inspection data of one mating pair of involute
gears, an external pair or a pinion inside an internal gear, in
diametral-pitch units: transverse pitch and pressure angle, pitch and base
diameters, modification coefficients, operating pressure angle, SAP and TIF
diameters, profile overlap and roll angles.

It prints them as a table or JSON for one pair, or as CSV or JSON Lines for
every pair of a CSV file. It needs no desktop.]])

set(CPACK_DEBIAN_DESKTOP_PACKAGE_NAME korvanta)
set(CPACK_DEBIAN_DESKTOP_DESCRIPTION [[Desktop calculator of gear inspection data
Korvanta calculates the inspection data of one mating pair of involute gears,
an external pair or a pinion inside an internal gear, in diametral-pitch
units: transverse pitch and pressure angle, pitch and base diameters,
modification coefficients, operating pressure angle, SAP and TIF diameters,
profile overlap and roll angles.

Its windows estimate the values not yet typed, show pinion and gear side by
side, give the pressure and roll angle at any diameter and print every result
as one page. The command alone is in the package korvanta-calc.]])
# Qt's platform plugins open the windows (the Qt libraries only recommend them); the texts are shown
# in the Liberation fonts; Help > Web site opens the browser with xdg-open.
set(CPACK_DEBIAN_DESKTOP_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_DEBIAN_DESKTOP_PACKAGE_RECOMMENDS "xdg-utils")

include(CPack)
