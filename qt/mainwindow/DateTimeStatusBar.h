// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's status bar: a fixed text, then the date and the time,
// each in a sunken panel at least an inch wide. It shows what the window's
// rules write into the panels (StatusClock.h).
#pragma once

#include <QStatusBar>

class QLabel;

namespace tenebrix::qt {

class DateTimeStatusBar final : public QStatusBar {
    Q_OBJECT

  public:
    explicit DateTimeStatusBar(QWidget* parent = nullptr);

    // Panel 1 (the fixed text), 2 (the date) or 3 (the time); any other
    // number is ignored.
    void setPanelText(int panel, const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QLabel* addPanel(int number, const QString& text, int stretch);

    QLabel* textPanel_;
    QLabel* datePanel_;
    QLabel* timePanel_;
};

}  // namespace tenebrix::qt
