# Installation and packages. `cmake --install` lays out what a package ships; the `dist` target
# makes this build's packages in <build>/dist from that layout (scripts/package.sh makes both).
#   Linux:   the Debian package wobbleton-playboard_<version>_<arch>.deb
#   Windows: wobbleton-playboard-<version>-windows-x64.zip and wobbleton-playboard-<version>-setup.exe
# The version is the project's.
set(WOB_PACKAGE_NAME wobbleton-playboard)
# A Debian package names its maintainer with a mail address (Debian policy 5.6.2). The project
# has none of its own, so whoever makes the package names themselves: WOB_MAINTAINER, or Debian's
# own DEBFULLNAME and DEBEMAIL at configure time. The `dist` target refuses to build without one.
set(WOB_MAINTAINER "" CACHE STRING "The Debian package's maintainer: name <address>")
set(wob_maintainer "${WOB_MAINTAINER}")
if(NOT wob_maintainer AND DEFINED ENV{DEBFULLNAME} AND DEFINED ENV{DEBEMAIL})
  set(wob_maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
endif()
set(WOB_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
set(WOB_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${WOB_DIST_DIR} ${WOB_PACKAGING_DIR})

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/install_windows.cmake)
else()
  include(${CMAKE_CURRENT_LIST_DIR}/install_linux.cmake)
endif()

# The packages' tests (label "package") belong to the builds that make packages, not to the
# sanitised test build.
if(NOT WOB_SANITIZE)
  include(${PROJECT_SOURCE_DIR}/tests/package/package_tests.cmake)
endif()
