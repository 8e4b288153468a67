// SPDX-License-Identifier: GPL-3.0-or-later
// Lets QCOMPARE print a pixel as "r, g, b, a" when two colours differ.
#pragma once

#include <QByteArray>
#include <QTest>

#include "Image.h"

namespace tenebrix::pictures {

inline char* toString(const Rgba& colour) {
    return qstrdup(QByteArray::number(colour.red) + ", " + QByteArray::number(colour.green) + ", " +
                   QByteArray::number(colour.blue) + ", " + QByteArray::number(colour.alpha));
}

}  // namespace tenebrix::pictures
