# Tests of the packages the `dist` target makes (label "package"): run after building `dist`.
set(here ${PROJECT_SOURCE_DIR}/tests/package)
if(WIN32)
  add_test(NAME package_windows_files
           COMMAND bash ${here}/windows_packages.sh ${WOB_ZIP_FILE} ${WOB_SETUP_FILE} ${WOB_APP_DIR}
                   ${WOB_ICON_DIR}/wob.ico ${PROJECT_VERSION})
  set_tests_properties(package_windows_files PROPERTIES LABELS package TIMEOUT 120)
  if(WOB_WINE_SESSION AND WOB_WINE_DRIVER)
    add_test(NAME package_windows_installer
             COMMAND bash ${WOB_WINE_SESSION} bash ${here}/wine_installer.sh ${WOB_SETUP_FILE}
                     ${WOB_APP_DIR} ${WOB_WINE_DRIVER} ${CMAKE_BINARY_DIR}/tests/package
                     ${PROJECT_VERSION})
    # The installed game starts the companion, whose hosts find each other by window class. The
    # installer and uninstaller run several times over some five hundred files (the voices).
    set_tests_properties(package_windows_installer PROPERTIES LABELS "package;wine" TIMEOUT 600
                                                               RESOURCE_LOCK wine_desktop
                         ENVIRONMENT WOB_SCREEN_GEOMETRY=${WOB_SCREEN_GEOMETRY})
  endif()
else()
  add_test(NAME package_deb_contents
           COMMAND bash ${here}/deb_contents.sh ${WOB_DEB_FILE} ${WOB_APP_DIR} ${PROJECT_VERSION})
  add_test(NAME package_deb_validators COMMAND bash ${here}/deb_validators.sh ${WOB_DEB_FILE})
  set(install_out ${CMAKE_BINARY_DIR}/tests/package/install)
  file(MAKE_DIRECTORY ${install_out})
  add_test(NAME package_linux_install
           COMMAND bash ${here}/linux_install.sh ${CMAKE_BINARY_DIR} ${WOB_DEB_FILE} ${install_out})
  # Without a maintainer the package is not made: Debian asks every package to name one.
  add_test(NAME package_deb_needs_maintainer
           COMMAND bash ${PROJECT_SOURCE_DIR}/packaging/debian/make_deb.sh ${CMAKE_BINARY_DIR}
                   ${PROJECT_VERSION} ${CMAKE_BINARY_DIR}/tests/package/unmade.deb "")
  set_tests_properties(package_deb_needs_maintainer PROPERTIES
                       PASS_REGULAR_EXPRESSION "the package needs a maintainer")
  set_tests_properties(package_deb_contents package_deb_validators package_linux_install
                       package_deb_needs_maintainer PROPERTIES LABELS package TIMEOUT 180)
  set_tests_properties(package_linux_install PROPERTIES
                       ENVIRONMENT WOB_SCREEN_GEOMETRY=${WOB_SCREEN_GEOMETRY})
endif()
