// SPDX-License-Identifier: GPL-3.0-or-later
// The web layer's tests: one program, run under node.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest.h>
