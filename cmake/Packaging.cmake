# Debian package of the installed tree: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME korvanta)
set(CPACK_PACKAGE_VENDOR "Korvanta")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Gear inspection data of a mating pair of involute gears")
set(CPACK_PACKAGE_DESCRIPTION
    "Korvanta calculates the inspection data of one mating pair of involute gears, an external pair or a "
    "pinion inside an internal gear, in diametral-pitch units: transverse pitch and pressure angle, "
    "pitch and base diameters, modification coefficients, operating pressure angle, SAP and TIF "
    "diameters, profile overlap and roll angles. The desktop program korvanta shows them in windows; "
    "the command korvanta-calc prints them for one pair or a CSV file of pairs.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Korvanta maintainers <maintainers@korvanta.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg-shlibdeps finds the libraries the programs link (Qt, the C++ runtime).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The desktop program needs Qt's platform plugins to open a window (the Qt libraries only recommend
# them) and shows its texts in the Liberation fonts.
if(KORVANTA_WITH_WINDOWS)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
endif()

include(CPack)
