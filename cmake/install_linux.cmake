# The Linux layout, as Debian lays out games: the program in <prefix>/games, its pictures and
# sound in <prefix>/share/games/wobbleton-playboard (where the game looks for them), the desktop
# entry, AppStream metainfo, hicolor icons, the manual page and the package's documents.
set(data_dir share/games/${WOB_PACKAGE_NAME})
set(doc_dir share/doc/${WOB_PACKAGE_NAME})
set(linux_dir ${PROJECT_SOURCE_DIR}/packaging/linux)
set(app_id org.wobbleton.playboard)

configure_file(${linux_dir}/${app_id}.metainfo.xml.in ${WOB_PACKAGING_DIR}/${app_id}.metainfo.xml
               @ONLY)
configure_file(${linux_dir}/${WOB_PACKAGE_NAME}.6.in ${WOB_PACKAGING_DIR}/${WOB_PACKAGE_NAME}.6
               @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/debian/changelog.in ${WOB_PACKAGING_DIR}/changelog
               @ONLY)

# Debian keeps manual pages and changelogs compressed, without a time stamp in the gzip header.
set(compressed ${WOB_PACKAGING_DIR}/${WOB_PACKAGE_NAME}.6.gz ${WOB_PACKAGING_DIR}/changelog.gz)
add_custom_command(
  OUTPUT ${compressed}
  COMMAND gzip -9nfk ${WOB_PACKAGING_DIR}/${WOB_PACKAGE_NAME}.6 ${WOB_PACKAGING_DIR}/changelog
  DEPENDS ${WOB_PACKAGING_DIR}/${WOB_PACKAGE_NAME}.6 ${WOB_PACKAGING_DIR}/changelog
  VERBATIM)
add_custom_target(packaging_docs ALL DEPENDS ${compressed})

# The program under the package's name; stripped when the install is asked to strip.
install(PROGRAMS $<TARGET_FILE:wob> DESTINATION games RENAME ${WOB_PACKAGE_NAME})
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded --remove-section=.comment
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games/${WOB_PACKAGE_NAME}\" COMMAND_ERROR_IS_FATAL ANY)
  endif()")

install(FILES ${WOB_APP_ASSET_FILES} DESTINATION ${data_dir})
install(DIRECTORY ${WOB_VOICES_DIR} DESTINATION ${data_dir})
# The labels font stays the font package's: a relative link to it, correct wherever the prefix is.
get_filename_component(font_name ${WOB_APP_FONT_FILE} NAME)
install(CODE "
  set(data \"\${CMAKE_INSTALL_PREFIX}/${data_dir}\")
  file(RELATIVE_PATH target \"\${data}\" \"${WOB_LABEL_FONT}\")
  set(link \"\$ENV{DESTDIR}\${data}/${font_name}\")
  message(STATUS \"Installing: \${link} -> \${target}\")
  file(REMOVE \"\${link}\")
  file(CREATE_LINK \"\${target}\" \"\${link}\" SYMBOLIC)")

install(FILES ${linux_dir}/${app_id}.desktop DESTINATION share/applications)
install(FILES ${WOB_PACKAGING_DIR}/${app_id}.metainfo.xml DESTINATION share/metainfo)
foreach(icon ${WOB_DESKTOP_ICON_FILES})
  string(REGEX REPLACE ".*-([0-9]+)\\.png$" "\\1" size ${icon})
  install(FILES ${icon} DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME ${WOB_PACKAGE_NAME}.png)
endforeach()
install(FILES ${WOB_PACKAGING_DIR}/${WOB_PACKAGE_NAME}.6.gz DESTINATION share/man/man6)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright ${WOB_PACKAGING_DIR}/changelog.gz
        DESTINATION ${doc_dir})

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE deb_arch
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(WOB_DEB_FILE ${WOB_DIST_DIR}/${WOB_PACKAGE_NAME}_${PROJECT_VERSION}_${deb_arch}.deb)
add_custom_target(dist
  COMMAND bash ${PROJECT_SOURCE_DIR}/packaging/debian/make_deb.sh ${CMAKE_BINARY_DIR}
          ${PROJECT_VERSION} ${WOB_DEB_FILE}
          "${wob_maintainer}"
  COMMENT "Making the Debian package"
  VERBATIM)
add_dependencies(dist wob assets packaging_docs)
