# What a desktop needs beside the program (menu entry, AppStream data, icons, manual page) and the
# Debian package CPack makes of the installed tree: `cpack -G DEB` in the build directory.

install(FILES resources/veltrane-quillorn.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/metainfo/example.veltrane.Quillorn.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The icon's fixed sizes, for desktops and AppStream tools that want pixels, rendered from its SVG.
install(FILES ${VQ_APP_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
find_program(VQ_RSVG_CONVERT rsvg-convert)
if(VQ_RSVG_CONVERT)
  set(VQ_ICON_PNGS)
  foreach(size 16 32 48 64 128 256)
    set(png ${CMAKE_BINARY_DIR}/icons/${size}/veltrane-quillorn.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}
      COMMAND ${VQ_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${VQ_APP_ICON_SVG}
      DEPENDS ${VQ_APP_ICON_SVG} VERBATIM)
    list(APPEND VQ_ICON_PNGS ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(vq_icon_pngs ALL DEPENDS ${VQ_ICON_PNGS})
else()
  message(WARNING "rsvg-convert (librsvg2-bin) not found: only the scalable icon is installed")
endif()

# Debian ships manual pages compressed.
set(VQ_MAN_PAGE ${CMAKE_BINARY_DIR}/veltrane-quillorn.6.gz)
add_custom_command(OUTPUT ${VQ_MAN_PAGE}
  COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/docs/veltrane-quillorn.6 > ${VQ_MAN_PAGE}
  DEPENDS ${CMAKE_SOURCE_DIR}/docs/veltrane-quillorn.6 VERBATIM)
add_custom_target(vq_man_page ALL DEPENDS ${VQ_MAN_PAGE})
install(FILES ${VQ_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# The German manual page, where man finds it under a German locale.
set(VQ_MAN_PAGE_DE ${CMAKE_BINARY_DIR}/de/veltrane-quillorn.6.gz)
add_custom_command(OUTPUT ${VQ_MAN_PAGE_DE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/de
  COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/docs/veltrane-quillorn.de.6 > ${VQ_MAN_PAGE_DE}
  DEPENDS ${CMAKE_SOURCE_DIR}/docs/veltrane-quillorn.de.6 VERBATIM)
add_custom_target(vq_man_page_de ALL DEPENDS ${VQ_MAN_PAGE_DE})
install(FILES ${VQ_MAN_PAGE_DE} DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man6)

# What Debian asks of every package: the copyright in its machine-readable form and the changelog,
# both under share/doc/<package>. The version is native (no Debian revision), so the file is
# changelog.gz, compressed without a time stamp as Debian's tools do.
set(VQ_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/veltrane-quillorn)
set(VQ_CHANGELOG ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${VQ_CHANGELOG}
  COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/resources/debian/changelog > ${VQ_CHANGELOG}
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/debian/changelog VERBATIM)
add_custom_target(vq_changelog ALL DEPENDS ${VQ_CHANGELOG})
install(FILES ${VQ_CHANGELOG} resources/debian/copyright DESTINATION ${VQ_DOC_DIR})
# The one lintian note that does not fit a game, with the reason in the file.
install(FILES resources/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
  RENAME veltrane-quillorn)

# A stripped install (CPack's, or `cmake --install --strip`) also drops what Debian's own
# stripping drops: the compiler's version notes, of no use to anyone running the game.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${VQ_INSTALL_GAMESDIR}/veltrane-quillorn\" COMMAND_ERROR_IS_FATAL ANY)
endif()")

set(CPACK_PACKAGE_NAME veltrane-quillorn)
set(CPACK_PACKAGE_VENDOR "Veltrane Corporation")
set(CPACK_PACKAGE_CONTACT "Veltrane Corporation <support@veltrane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word-guessing game: find the magic word from its Match and Bingo counts")
# The package's long description: Debian wants its lines within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION "Veltrane Quillorn hides a word of five, six or seven letters. Every
guess is listed with two counts: the letters it shares with the word,
and the letters in their place. Three skill levels, a Time Trial
countdown, best scores, statistics, and word sets anyone can write or
make from a word list.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quillorn.veltrane.example)
# The libraries come from what the program links (dpkg-shlibdeps); the fonts are looked up by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, wx3.2-i18n")
include(CPack)
