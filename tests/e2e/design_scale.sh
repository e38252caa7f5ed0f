# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the test scripts: the tests check windows and their pixels at
# the design size, so a desktop's scaling and font-size settings for Qt
# programs, when the terminal carries them, are not handed on to the
# programs under test.
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING \
  QT_SCALE_FACTOR_ROUNDING_POLICY QT_FONT_DPI QT_USE_PHYSICAL_DPI
