// SPDX-License-Identifier: GPL-3.0-or-later
// A straight horizontal line of a given colour and width, as the splash
// screen and the About box draw their separators.
#pragma once

#include <QColor>
#include <QWidget>

#include "SeparatorLines.h"

namespace tenebrix::startup {

class SeparatorLine : public QWidget {
    Q_OBJECT

  public:
    // Named and placed as `line` says, within `parent`.
    SeparatorLine(const forms::SeparatorLine& line, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
};

}  // namespace tenebrix::startup
