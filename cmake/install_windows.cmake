# The Windows layout, as the app folder holds it: the four programs, every asset and the labels
# font, and the spoken names in a folder per language below "voices". The zip and the installer are made from it.
install(PROGRAMS $<TARGET_FILE:wob> $<TARGET_FILE:muzzle_host> $<TARGET_FILE:muzcfg>
                 $<TARGET_FILE:muzzle_hooks> DESTINATION .)
install(FILES ${WOB_APP_ASSET_FILES} ${WOB_APP_FONT_FILE} DESTINATION .)
install(DIRECTORY ${WOB_VOICES_DIR} DESTINATION .)

set(WOB_ZIP_FILE ${WOB_DIST_DIR}/${WOB_PACKAGE_NAME}-${PROJECT_VERSION}-windows-x64.zip)
set(WOB_SETUP_FILE ${WOB_DIST_DIR}/${WOB_PACKAGE_NAME}-${PROJECT_VERSION}-setup.exe)
add_custom_target(dist
  COMMAND bash ${PROJECT_SOURCE_DIR}/packaging/windows/make_packages.sh ${CMAKE_BINARY_DIR}
          ${PROJECT_VERSION} ${WOB_ICON_DIR}/wob.ico ${WOB_ZIP_FILE} ${WOB_SETUP_FILE}
  COMMENT "Making the Windows zip and installer"
  VERBATIM)
add_dependencies(dist wob muzzle_host muzcfg muzzle_hooks assets)
