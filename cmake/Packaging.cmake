# The Debian package, made with `cpack -G DEB` in the build directory from
# what cmake/Install.cmake installs, plus the files Debian wants of every
# package: copyright, changelog and lintian overrides.
include(GNUInstallDirs)

set(QOB_MAINTAINER "vidad developers <vidad@example.org>")
set(QOB_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/qob)
set(QOB_DEBIAN_SOURCE ${PROJECT_SOURCE_DIR}/res/desktop)

# The copyright file in Debian's machine-readable format, with the license
# text taken from LICENSE so that the two cannot drift apart.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE QOB_LICENSE_BODY)
string(FIND "${QOB_LICENSE_BODY}" "Permission is hereby granted" start)
string(SUBSTRING "${QOB_LICENSE_BODY}" ${start} -1 QOB_LICENSE_BODY)
string(STRIP "${QOB_LICENSE_BODY}" QOB_LICENSE_BODY)
string(REPLACE "\n\n" "\n.\n" QOB_LICENSE_BODY "${QOB_LICENSE_BODY}")
string(REPLACE "\n" "\n " QOB_LICENSE_BODY " ${QOB_LICENSE_BODY}")
configure_file(${QOB_DEBIAN_SOURCE}/copyright.in
  ${PROJECT_BINARY_DIR}/debian/copyright @ONLY)

install(FILES ${PROJECT_BINARY_DIR}/debian/copyright DESTINATION ${QOB_DOC_DIR})
qob_install_gzipped(${QOB_DEBIAN_SOURCE}/changelog.Debian ${QOB_DOC_DIR})
install(FILES ${QOB_DEBIAN_SOURCE}/qob.lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
  RENAME qob)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qob)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The package of upstream release A.B.C.D is A.B.C.D-1: a Debian revision
# makes it a non-native package, whose changelog is changelog.Debian.gz.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "${QOB_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "biorhythm calculator with a simplified-Chinese interface")
set(CPACK_PACKAGE_DESCRIPTION
  "vidad (生物节律计算器) draws the intellect (32 days), emotion (28 days)
and physical (23 days) biorhythm cycles of a birth date as sine curves,
with a marker at today and the number of cycles completed so far.

Its window and messages are in simplified Chinese.")

# dpkg-shlibdeps finds the libraries the program links (Qt among them); the
# rest it loads or shows at run time: the Chinese font, Qt's own Chinese
# translations, and an input method to type into the date field.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei, qt6-translations-l10n")
# Not qt6-wayland: without it qob runs through XWayland in a Wayland
# session, with the compositor's own title bar, which leaves out the
# maximize button of this fixed-size dialog; where the desktop hands X
# programs a fractional scale as a font DPI (KDE can), Qt draws the curves
# crisply at that scale. Qt 6.4's own Wayland plugin draws its own title bar
# where the compositor offers none (GNOME), maximize button included, and
# knows only whole scales, which the compositor then shrinks. Where
# qt6-wayland is installed anyway, Qt 6.4 still uses XWayland under GNOME.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fcitx5-frontend-qt6 | ibus")

set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# Stripped as Debian strips its own packages: plain strip keeps the
# compiler's .comment section, which lintian flags as unneeded.
if(TARGET qob)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/qob\"
        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
endif()
include(CPack)
