# What `cmake --install` puts where: the program, its desktop entry and
# AppStream metainfo, the manual page and the icon in the hicolor theme.
include(GNUInstallDirs)

set(QOB_DESKTOP_SOURCE ${PROJECT_SOURCE_DIR}/res/desktop)
set(QOB_ICON_SOURCE ${PROJECT_SOURCE_DIR}/res/icons)

# Directories made on install are 0755 whatever the umask of who installs.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE
  GROUP_READ GROUP_EXECUTE
  WORLD_READ WORLD_EXECUTE)

find_program(QOB_GZIP gzip REQUIRED)

# qob_install_gzipped(FILE DESTINATION): installs FILE as FILE.gz. gzip -n
# leaves out the name and time stamp, so the result depends on the content
# alone and the package builds reproducibly.
function(qob_install_gzipped file destination)
  get_filename_component(name ${file} NAME)
  set(copy ${PROJECT_BINARY_DIR}/gzipped/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${file} ${copy}
    COMMAND ${QOB_GZIP} -9nf ${copy}
    DEPENDS ${file}
    VERBATIM)
  add_custom_target(gzip_${name} ALL DEPENDS ${copy}.gz)
  install(FILES ${copy}.gz DESTINATION ${destination})
endfunction()

# The program target comes from ui/; a build without it still installs the rest.
if(TARGET qob)
  install(TARGETS qob RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(FILES ${QOB_DESKTOP_SOURCE}/${QOB_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QOB_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
qob_install_gzipped(${QOB_MAN_PAGE} ${CMAKE_INSTALL_MANDIR}/man1)

foreach(size 16 32 48)
  install(FILES ${QOB_ICON_SOURCE}/qob-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${QOB_APP_ID}.png)
endforeach()
install(FILES ${QOB_ICON_SOURCE}/qob.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${QOB_APP_ID}.svg)
