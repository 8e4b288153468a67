// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows tests' entry: the process prepared as the program prepares it.
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#include <cstdio>

#include "Dpi.h"
#include "Module1.h"

int main(int argc, char** argv) {
    tenebrix::win32::prepareProcess();
    std::printf("Windows tests at %d dots per inch\n", tenebrix::win32::dpiOf(nullptr).dpi);
    doctest::Context context(argc, argv);
    return context.run();
}
