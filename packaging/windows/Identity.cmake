# SPDX-License-Identifier: GPL-3.0-or-later
# Who makes the Windows program and what it is called, for its version record
# and its installer alike. The version numbers are the project's own.
set(TENEBRIX_PUBLISHER "Tenebrix developers")
set(TENEBRIX_PRODUCT_NAME "Tenebrix")
set(TENEBRIX_HOMEPAGE "https://tenebrix.example.org/")
# The version texts: major, a dot, then the minor number as two digits ("1.00").
string(REGEX REPLACE "^([0-9])$" "0\\1" TENEBRIX_MINOR_TWO_DIGITS "${PROJECT_VERSION_MINOR}")
set(TENEBRIX_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${TENEBRIX_MINOR_TWO_DIGITS}")
