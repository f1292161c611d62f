# The Windows layout, as the app folder holds it: the four programs, every asset, the labels font
# and the licence texts, and the spoken names in a folder per language below "voices". The zip
# and the installer are made from it. The licence texts are the project's MIT licence and the
# Debian package's copyright file, which gives every part's licence in full.
set(licence_files ${WOB_APP_DIR}/LICENSE.txt ${WOB_APP_DIR}/COPYRIGHT.txt)
add_custom_command(
  OUTPUT ${licence_files}
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${WOB_APP_DIR}/LICENSE.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/debian/copyright
          ${WOB_APP_DIR}/COPYRIGHT.txt
  DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/packaging/debian/copyright
  VERBATIM)
add_custom_target(licence_texts ALL DEPENDS ${licence_files})

install(PROGRAMS $<TARGET_FILE:wob> $<TARGET_FILE:muzzle_host> $<TARGET_FILE:muzcfg>
                 $<TARGET_FILE:muzzle_hooks> DESTINATION .)
install(FILES ${WOB_APP_ASSET_FILES} ${WOB_APP_FONT_FILE} ${licence_files} DESTINATION .)
install(DIRECTORY ${WOB_VOICES_DIR} DESTINATION .)

set(WOB_ZIP_FILE ${WOB_DIST_DIR}/${WOB_PACKAGE_NAME}-${PROJECT_VERSION}-windows-x64.zip)
set(WOB_SETUP_FILE ${WOB_DIST_DIR}/${WOB_PACKAGE_NAME}-${PROJECT_VERSION}-setup.exe)
add_custom_target(dist
  COMMAND bash ${PROJECT_SOURCE_DIR}/packaging/windows/make_packages.sh ${CMAKE_BINARY_DIR}
          ${PROJECT_VERSION} ${WOB_ICON_DIR}/wob.ico ${WOB_ZIP_FILE} ${WOB_SETUP_FILE}
  COMMENT "Making the Windows zip and installer"
  VERBATIM)
add_dependencies(dist wob muzzle_host muzcfg muzzle_hooks assets licence_texts)
