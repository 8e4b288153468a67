// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's status bar: a fixed text, today's date and the time of
// day, in the locale's short formats. It keeps date and time current itself,
// waking only when the shown time changes.
#pragma once

#include <QDateTime>
#include <QStatusBar>
#include <QTimer>

class QLabel;

namespace tenebrix::qt {

class DateTimeStatusBar final : public QStatusBar {
    Q_OBJECT

  public:
    explicit DateTimeStatusBar(QWidget* parent = nullptr);

    // Shows `now` in the date and time panels.
    void showDateTime(const QDateTime& now);

    // Milliseconds from `now` to the next change of a clock showing whole
    // minutes, or whole seconds when the locale's short time shows them.
    static int msecsToNextChange(const QTime& now, bool showsSeconds);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QLabel* addPanel(int number, const QString& text, int stretch);
    static void setPanelText(QLabel* panel, const QString& text);
    void refreshAndReschedule();

    QLabel* textPanel_;
    QLabel* datePanel_;
    QLabel* timePanel_;
    QTimer timer_;
    bool showsSeconds_;
};

}  // namespace tenebrix::qt
