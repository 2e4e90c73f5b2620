# The Windows packages: a portable zip and an NSIS installer, both holding
# the stripped qob.exe with the README and the license. They are custom
# targets in the default build rather than CPack packages, so that the
# installer test under CTest finds them after a plain build; the installer is
# our own short Unicode script in Chinese (res/windows/installer.nsi).
find_program(QOB_MAKENSIS makensis REQUIRED)

set(QOB_PACKAGE_NAME vidad-${PROJECT_VERSION}-win32)
set(QOB_STAGE_DIR ${PROJECT_BINARY_DIR}/stage/${QOB_PACKAGE_NAME})
set(QOB_ZIP ${PROJECT_BINARY_DIR}/${QOB_PACKAGE_NAME}.zip)
set(QOB_INSTALLER ${PROJECT_BINARY_DIR}/vidad-${PROJECT_VERSION}-setup.exe)
set(QOB_INSTALLER_SCRIPT ${PROJECT_SOURCE_DIR}/res/windows/installer.nsi)

# The texts get Windows line ends and a .txt name, so that a double click
# opens them in Notepad, older versions of which show LF-only text as one line.
# Their mode is 644 whatever the checkout gave the sources, so that the zip's
# entries are the same on every machine.
configure_file(${PROJECT_SOURCE_DIR}/README.md ${QOB_STAGE_DIR}/README.txt
  @ONLY NEWLINE_STYLE WIN32 NO_SOURCE_PERMISSIONS)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${QOB_STAGE_DIR}/LICENSE.txt
  @ONLY NEWLINE_STYLE WIN32 NO_SOURCE_PERMISSIONS)

# Debug information stays in the build's own qob.exe; the packages carry a
# stripped copy, which keeps the resources.
add_custom_command(OUTPUT ${QOB_STAGE_DIR}/qob.exe
  COMMAND ${CMAKE_STRIP} -o ${QOB_STAGE_DIR}/qob.exe $<TARGET_FILE:qob>
  DEPENDS qob
  COMMENT "Stripping qob.exe for the packages"
  VERBATIM)
set(QOB_STAGED ${QOB_STAGE_DIR}/qob.exe ${QOB_STAGE_DIR}/README.txt
  ${QOB_STAGE_DIR}/LICENSE.txt)

# The same files give the same zip: CMake's own zip writer would store each
# file's access and change times.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(OUTPUT ${QOB_ZIP}
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/cmake/pack_zip.py
    ${QOB_ZIP} ${PROJECT_BINARY_DIR}/stage
    ${QOB_PACKAGE_NAME}/qob.exe ${QOB_PACKAGE_NAME}/README.txt
    ${QOB_PACKAGE_NAME}/LICENSE.txt
  DEPENDS ${QOB_STAGED} ${PROJECT_SOURCE_DIR}/cmake/pack_zip.py
  COMMENT "Packing ${QOB_PACKAGE_NAME}.zip"
  VERBATIM)

add_custom_command(OUTPUT ${QOB_INSTALLER}
  COMMAND ${QOB_MAKENSIS} -V2 -WX
    -DVERSION=${PROJECT_VERSION}
    -DSTAGE=${QOB_STAGE_DIR}
    -DICON=${PROJECT_SOURCE_DIR}/res/icons/qob.ico
    -DOUTFILE=${QOB_INSTALLER}
    ${QOB_INSTALLER_SCRIPT}
  DEPENDS ${QOB_STAGED} ${QOB_INSTALLER_SCRIPT}
    ${PROJECT_SOURCE_DIR}/res/icons/qob.ico
  COMMENT "Building the installer vidad-${PROJECT_VERSION}-setup.exe"
  VERBATIM)

# CPack is not used in this build, so the name `package` is free for the
# command the README gives.
add_custom_target(package ALL DEPENDS ${QOB_ZIP} ${QOB_INSTALLER})

# Where the packages and the packaged program are, for the tests under
# tests/windows, which are set up before this file is read.
set_target_properties(package PROPERTIES
  QOB_INSTALLER ${QOB_INSTALLER}
  QOB_ZIP ${QOB_ZIP}
  QOB_PACKAGED_PROGRAM ${QOB_STAGE_DIR}/qob.exe)
