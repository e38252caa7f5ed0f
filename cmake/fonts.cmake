# SPDX-License-Identifier: GPL-3.0-or-later
# The fonts the pictures and text boxes are drawn with. They come from Debian's
# font packages. The build copies them beside the executables, where the
# program registers them at start-up, so every machine draws the same pictures
# and the build's own tools (the drag-label cards, the title page drawn ahead)
# use the very faces the program shows.
#
# Installed, the program's fonts/ folder either holds copies of them
# (NIZAM_BUNDLE_FONTS, for a machine without Debian's font packages) or links
# to the files of those packages, which the Debian package then depends on,
# so one copy of each font serves the whole system.
option(NIZAM_BUNDLE_FONTS "Install copies of the fonts with the program rather than links to the system's font packages" OFF)

# Each font file with the Debian package it comes from.
set(NIZAM_FONTS
  /usr/share/fonts/truetype/noto/NotoNaskhArabic-Regular.ttf fonts-noto-core
  /usr/share/fonts/truetype/noto/NotoNaskhArabic-Bold.ttf fonts-noto-core
  /usr/share/fonts/truetype/noto/NotoKufiArabic-Regular.ttf fonts-noto-core
  /usr/share/fonts/truetype/noto/NotoKufiArabic-Bold.ttf fonts-noto-core
  /usr/share/fonts/truetype/noto/NotoSansArabic-Regular.ttf fonts-noto-core
  /usr/share/fonts/truetype/noto/NotoSansArabic-Bold.ttf fonts-noto-core
  /usr/share/fonts/opentype/fonts-hosny-amiri/Amiri-Regular.ttf fonts-hosny-amiri
  /usr/share/fonts/opentype/fonts-hosny-amiri/Amiri-Bold.ttf fonts-hosny-amiri
  /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf fonts-dejavu-core
  /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf fonts-dejavu-core
)
set(NIZAM_FONT_FILES)
set(NIZAM_FONT_PACKAGES)
list(LENGTH NIZAM_FONTS nizam_font_count)
math(EXPR nizam_font_last "${nizam_font_count} - 1")
foreach(i RANGE 0 ${nizam_font_last} 2)
  math(EXPR j "${i} + 1")
  list(GET NIZAM_FONTS ${i} file)
  list(GET NIZAM_FONTS ${j} package)
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "The font ${file} is missing: install the Debian package ${package} (tools/install-deps.sh does)")
  endif()
  list(APPEND NIZAM_FONT_FILES ${file})
  list(APPEND NIZAM_FONT_PACKAGES ${package})
endforeach()
list(REMOVE_DUPLICATES NIZAM_FONT_PACKAGES)
