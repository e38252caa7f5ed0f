# SPDX-License-Identifier: GPL-3.0-or-later
# Installing Nizam like any desktop program, and packing it for Debian.
#
# One folder of the prefix holds the two programs with everything they look
# up beside themselves, laid out as in the build folder's bin/: fonts/,
# assets/ and the animation scenes. `<prefix>/bin/nizam` is a link to the
# program in that folder (the program finds its folder through the link).
# The desktop entry, the AppStream file and the icons go where desktops look
# for them.
#
#   cmake --install build --prefix /opt/nizam
#   cd build && cpack -G DEB
include(GNUInstallDirs)

# Installing and packing take what the build made and never build: cpack
# (and the package test, which runs in a built tree) then packs that tree as
# it is, as `cmake --install` does.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# The identity desktops and software centres know the program by. The
# screenshots are the README's pictures, made by the program itself
# (docs/shots/make-shots.scn), as published under NIZAM_SHOTS_URL. The
# maintainer is named by the package and its copyright file.
set(NIZAM_APP_ID "org.example.nizam" CACHE STRING "Reverse-DNS identifier of the desktop entry, icons and AppStream file")
set(NIZAM_HOMEPAGE "https://nizam.example.org" CACHE STRING "The project's web page, named in the AppStream file, the package and its copyright file; empty for none")
set(NIZAM_SHOTS_URL "${NIZAM_HOMEPAGE}/shots" CACHE STRING "Web folder holding docs/shots/title.png and menu-hover.png")
set(NIZAM_RELEASE_DATE "2026-12-10")
set(CPACK_PACKAGE_CONTACT "Nizam maintainers <maintainers@nizam.example.org>" CACHE STRING "Maintainer of the Debian package")
set(NIZAM_INSTALL_DIR "lib/nizam" CACHE STRING "Folder of the programs, fonts, pictures and animations, under the prefix")

# The latest entry of the Debian changelog gives the package's revision
# (0.1-1: the first package of version 0.1) and the manual page's date.
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/changelog nizam_changelog_head LIMIT_COUNT 1)
if(NOT nizam_changelog_head MATCHES "^nizam \\(([^-)]+)-([^)]+)\\) ")
  message(FATAL_ERROR "packaging/changelog does not begin with an entry 'nizam (VERSION-REVISION) ...'")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/changelog's latest entry is of version ${CMAKE_MATCH_1}, the project's is ${PROJECT_VERSION}: add an entry")
endif()
set(nizam_changelog_revision ${CMAKE_MATCH_2})
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/changelog nizam_changelog_trailer REGEX "^ -- " LIMIT_COUNT 1)
if(NOT nizam_changelog_trailer MATCHES "  [A-Z][a-z][a-z], ([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "packaging/changelog's latest entry has no date")
endif()
set(nizam_day ${CMAKE_MATCH_1})
set(nizam_year ${CMAKE_MATCH_3})
set(nizam_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND nizam_months ${CMAKE_MATCH_2} nizam_month)
if(nizam_month LESS 0)
  message(FATAL_ERROR "packaging/changelog's latest entry has no month in English: ${nizam_changelog_trailer}")
endif()
math(EXPR nizam_month "${nizam_month} + 1")
string(LENGTH "${nizam_day}" nizam_day_digits)
if(nizam_day_digits EQUAL 1)
  set(nizam_day "0${nizam_day}")
endif()
if(nizam_month LESS 10)
  set(nizam_month "0${nizam_month}")
endif()
set(nizam_changelog_date "${nizam_year}-${nizam_month}-${nizam_day}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog)

target_compile_definitions(nizam PRIVATE NIZAM_VERSION="${PROJECT_VERSION}" NIZAM_APP_ID="${NIZAM_APP_ID}")
# The installed programs resolve all their library symbols at start-up, so
# the table of them can be made read-only at once (full RELRO), as Debian's
# hardened builds link.
foreach(program nizam calc)
  target_link_options(${program} PRIVATE LINKER:-z,relro LINKER:-z,now)
endforeach()

# The program's folder.
install(TARGETS nizam calc RUNTIME DESTINATION ${NIZAM_INSTALL_DIR})
# A stripped install (cpack strips) also drops the compilers' names and the
# bare notes, which the programs never read, as Debian's own stripping does.
if(CMAKE_OBJCOPY)
  install(CODE "set(nizam_objcopy \"${CMAKE_OBJCOPY}\")
set(nizam_programs_folder \"${NIZAM_INSTALL_DIR}\")")
  install(CODE [[
if(CMAKE_INSTALL_DO_STRIP)
  foreach(program nizam calc)
    execute_process(COMMAND "${nizam_objcopy}" --remove-section=.comment --remove-section=.note
                            "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${nizam_programs_folder}/${program}"
                    COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
endif()
]])
endif()
if(NIZAM_BUNDLE_FONTS)
  install(FILES ${NIZAM_FONT_FILES} DESTINATION ${NIZAM_INSTALL_DIR}/fonts)
  # The fonts' licences travel with them.
  install(FILES /usr/share/doc/fonts-noto-core/copyright DESTINATION ${NIZAM_INSTALL_DIR}/fonts
          RENAME LICENSE.noto)
  install(FILES /usr/share/doc/fonts-hosny-amiri/copyright DESTINATION ${NIZAM_INSTALL_DIR}/fonts
          RENAME LICENSE.amiri)
  install(FILES /usr/share/doc/fonts-dejavu-core/copyright DESTINATION ${NIZAM_INSTALL_DIR}/fonts
          RENAME LICENSE.dejavu)
else()
  # Links to the font packages' files, made where the folder is installed:
  # relative when the folder and the fonts share their top folder (/usr), as
  # Debian wants them, absolute otherwise (a prefix such as /opt/nizam).
  install(CODE "set(nizam_font_files \"${NIZAM_FONT_FILES}\")
set(nizam_fonts_folder \"${NIZAM_INSTALL_DIR}/fonts\")")
  install(CODE [[
set(folder "${CMAKE_INSTALL_PREFIX}/${nizam_fonts_folder}")
string(REGEX MATCH "^/[^/]*" folder_top "${folder}")
file(MAKE_DIRECTORY "$ENV{DESTDIR}${folder}")
foreach(font ${nizam_font_files})
  get_filename_component(name "${font}" NAME)
  string(REGEX MATCH "^/[^/]*" font_top "${font}")
  set(target "${font}")
  if(font_top STREQUAL folder_top)
    file(RELATIVE_PATH target "${folder}" "${font}")
  endif()
  message(STATUS "Linking: $ENV{DESTDIR}${folder}/${name} -> ${target}")
  file(REMOVE "$ENV{DESTDIR}${folder}/${name}")
  file(CREATE_LINK "${target}" "$ENV{DESTDIR}${folder}/${name}" SYMBOLIC)
endforeach()
]])
endif()
# The pictures as the program reads them in the build folder, the cards the
# build sets included; the cards' tables and notes are for building only.
install(DIRECTORY ${CMAKE_BINARY_DIR}/bin/assets DESTINATION ${NIZAM_INSTALL_DIR}
        REGEX "/cards/[^/]*[.]tsv$" EXCLUDE
        REGEX "[.]md$" EXCLUDE)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/animations/ DESTINATION ${NIZAM_INSTALL_DIR} REGEX "[.]md$" EXCLUDE)

# The command on the PATH: a relative link, so the installed tree can move.
file(RELATIVE_PATH nizam_link_target /${CMAKE_INSTALL_BINDIR} /${NIZAM_INSTALL_DIR}/nizam)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-link)
file(CREATE_LINK ${nizam_link_target} ${CMAKE_BINARY_DIR}/install-link/nizam SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/install-link/nizam DESTINATION ${CMAKE_INSTALL_BINDIR})

# The desktop entry and the AppStream file.
configure_file(${CMAKE_SOURCE_DIR}/packaging/nizam.desktop.in ${CMAKE_BINARY_DIR}/packaging/${NIZAM_APP_ID}.desktop @ONLY)
if(NIZAM_HOMEPAGE)
  set(NIZAM_HOMEPAGE_ELEMENT "  <url type=\"homepage\">${NIZAM_HOMEPAGE}</url>")
else()
  set(NIZAM_HOMEPAGE_ELEMENT "")
endif()
configure_file(${CMAKE_SOURCE_DIR}/packaging/nizam.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${NIZAM_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${NIZAM_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${NIZAM_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The documents Debian asks of every package, in share/doc/nizam: the
# copyright file, which names the licence of each file the package holds (the
# bundled fonts' own when they are bundled), and the changelog, compressed as
# Debian compresses it (gzip -9n: no name and no time inside, so the same
# text always gives the same file). And the manual page.
set(nizam_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/nizam)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides-bundled-fonts
             ${CMAKE_SOURCE_DIR}/packaging/copyright-fonts)
if(NIZAM_HOMEPAGE)
  set(NIZAM_COPYRIGHT_SOURCE "Source: ${NIZAM_HOMEPAGE}\n")
else()
  set(NIZAM_COPYRIGHT_SOURCE "")
endif()
if(NIZAM_BUNDLE_FONTS)
  set(NIZAM_COPYRIGHT_FONTS_COMMENT "The fonts in the program's fonts folder keep their own licences, given below.")
  file(READ ${CMAKE_SOURCE_DIR}/packaging/copyright-fonts NIZAM_COPYRIGHT_FONTS)
  string(APPEND NIZAM_COPYRIGHT_FONTS "\n")
  set(NIZAM_MAN_FONTS_FROM "copies of the files of Debian's font packages")
else()
  list(JOIN NIZAM_FONT_PACKAGES ", " nizam_font_packages)
  set(NIZAM_COPYRIGHT_FONTS_COMMENT "The program's fonts folder holds links to the files of Debian's font\n packages, which keep their own copyright files:\n ${nizam_font_packages}.")
  set(NIZAM_COPYRIGHT_FONTS "")
  set(NIZAM_MAN_FONTS_FROM "links to the files of the system's font packages")
endif()
configure_file(${CMAKE_SOURCE_DIR}/packaging/copyright.in ${CMAKE_BINARY_DIR}/packaging/copyright @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/copyright DESTINATION ${nizam_doc_dir})

# The manual page describes the package's layout under /usr.
set(NIZAM_MAN_PREFIX /usr)
set(NIZAM_MAN_FOLDER ${NIZAM_MAN_PREFIX}/${NIZAM_INSTALL_DIR})
set(NIZAM_MAN_DATE "${nizam_changelog_date}")
configure_file(${CMAKE_SOURCE_DIR}/packaging/nizam.1.in ${CMAKE_BINARY_DIR}/packaging/nizam.1 @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/nizam.1.gz ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz
  COMMAND sh -c "gzip -9n -c nizam.1 > nizam.1.gz"
  COMMAND sh -c "gzip -9n -c '${CMAKE_SOURCE_DIR}/packaging/changelog' > changelog.Debian.gz"
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/nizam.1 ${CMAKE_SOURCE_DIR}/packaging/changelog
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/packaging
  COMMENT "Compressing the manual page and the changelog"
  VERBATIM)
add_custom_target(nizam_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/nizam.1.gz ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz DESTINATION ${nizam_doc_dir})
install(FILES ${CMAKE_BINARY_DIR}/packaging/nizam.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The lintian tags the package is right to carry, each with its reason.
file(READ ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides nizam_overrides)
if(NIZAM_BUNDLE_FONTS)
  file(READ ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides-bundled-fonts nizam_more_overrides)
  string(APPEND nizam_overrides "${nizam_more_overrides}")
endif()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/packaging/lintian-overrides CONTENT "${nizam_overrides}" @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME nizam)

# Icons: the title screen's window icon (a globe), drawn at each usual size
# from the nearest of its three drawings by the program's own renderer, and
# the largest drawing as the scalable icon.
set(nizam_icon_dir ${CMAKE_BINARY_DIR}/packaging/icons)
set(nizam_icon_outputs)
set(nizam_icon_commands)
foreach(entry "16;globe_16;1" "22;globe_16;1.375" "24;globe_32;0.75" "32;globe_32;1" "48;globe_48;1"
              "64;globe_48;1.3333334" "128;globe_48;2.6666667" "256;globe_48;5.3333334")
  list(GET entry 0 size)
  list(GET entry 1 source)
  list(GET entry 2 scale)
  set(out ${nizam_icon_dir}/${size}x${size}/apps/${NIZAM_APP_ID}.png)
  list(APPEND nizam_icon_outputs ${out})
  list(APPEND nizam_icon_commands
       COMMAND ${CMAKE_COMMAND} -E make_directory ${nizam_icon_dir}/${size}x${size}/apps
       COMMAND svgshot ${CMAKE_SOURCE_DIR}/assets/icons/${source}.svg ${out} ${scale})
  install(FILES ${out} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_command(OUTPUT ${nizam_icon_outputs}
  ${nizam_icon_commands}
  DEPENDS svgshot ${CMAKE_SOURCE_DIR}/assets/icons/globe_16.svg ${CMAKE_SOURCE_DIR}/assets/icons/globe_32.svg
          ${CMAKE_SOURCE_DIR}/assets/icons/globe_48.svg
  COMMENT "Drawing the program's icons"
  VERBATIM)
add_custom_target(nizam_icons ALL DEPENDS ${nizam_icon_outputs})
install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/globe_48.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${NIZAM_APP_ID}.svg)

# The Debian package. Its dependencies are the Debian packages of the Qt
# libraries the programs link to, the platform plugins inside them, and the
# QML modules the animation scenes import, and the font packages unless the
# fonts are bundled. The package test checks this list against what the
# installed files need.
set(CPACK_PACKAGE_NAME nizam)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The package's revision is the changelog's: its latest entry must be of
# this version, so that a release and its changelog cannot part ways.
set(CPACK_DEBIAN_PACKAGE_RELEASE ${nizam_changelog_revision})
set(CPACK_PACKAGE_VENDOR "Nizam")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "courseware in Arabic: study and build an automatic system")
set(CPACK_PACKAGE_DESCRIPTION
    "Nizam is a courseware in Arabic for the middle-school technology class on\n"
    "studying and building an automatic system: an alarm device, an automatic\n"
    "barrier and a water-pumping installation. The pupil moves through 41 pages:\n"
    "animated introductions, reading pages and exercises answered by ticking\n"
    "boxes, typing Arabic words and dragging labels onto diagrams.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(NIZAM_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${NIZAM_HOMEPAGE})
endif()
set(NIZAM_DEB_DEPENDS
    "libc6 (>= 2.34)"
    "libgcc-s1 (>= 3.0)"
    "libstdc++6 (>= 11)"
    "libqt6core6 (>= 6.4.0)"
    "libqt6gui6 (>= 6.4.0)"
    "libqt6widgets6 (>= 6.4.0)"
    "libqt6svg6 (>= 6.4.0)"
    "libqt6network6 (>= 6.4.0)"
    "libqt6qml6 (>= 6.4.0)"
    "libqt6quick6 (>= 6.4.0)"
    "libqt6quickwidgets6 (>= 6.4.0)"
    "libqt6printsupport6 (>= 6.4.0)"
    "libxcb1"
    "qml6-module-qtquick"
    "qml6-module-qtquick-timeline"
    "qml6-module-qtquick-shapes"
    "qml6-module-qtquick-window"
    "qml6-module-qtqml-workerscript")
if(NOT NIZAM_BUNDLE_FONTS)
  list(APPEND NIZAM_DEB_DEPENDS ${NIZAM_FONT_PACKAGES})
endif()
list(JOIN NIZAM_DEB_DEPENDS ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
# Qt's own menus (a text box's right-click menu) in Arabic; without them
# they speak English. The X11 display plugin comes with libqt6gui6: on a
# Wayland desktop the program runs through XWayland, as it is tested.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_GENERATOR DEB)
include(CPack)
