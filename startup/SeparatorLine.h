// SPDX-License-Identifier: GPL-3.0-or-later
// A straight horizontal line of a given colour and width, as the splash
// screen and the About box draw their separators.
#pragma once

#include <QColor>
#include <QWidget>

namespace tenebrix::startup {

class SeparatorLine : public QWidget {
    Q_OBJECT

  public:
    // From (x1, y) to (x2, y) in the parent's logical pixels.
    SeparatorLine(int x1, int x2, int y, int width, QColor colour, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
};

}  // namespace tenebrix::startup
