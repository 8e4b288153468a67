// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up timing for the performance record. With TENEBRIX_TRACE_STARTUP=1
// the program says on stderr how long after the start of main the splash was
// first painted and the game window shown; otherwise it does nothing.
#pragma once

#include <QElapsedTimer>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>
#include <cstdio>

namespace tenebrix::startup {

inline QElapsedTimer& sinceMainStarted() {
    static QElapsedTimer clock;
    return clock;
}

// The first thing main does.
inline void markMainStarted() {
    if (qEnvironmentVariableIntValue("TENEBRIX_TRACE_STARTUP") == 1) sinceMainStarted().start();
}

inline void traceStartup(const char* what) {
    if (!sinceMainStarted().isValid()) return;
    std::fprintf(stderr, "%s %lld ms after start\n", what,
                 static_cast<long long>(sinceMainStarted().elapsed()));
    std::fflush(stderr);
}

// Says "splash painted" once the first paint of `splash` has been drawn and
// handed to the window system: the report is queued behind that paint.
inline void traceFirstPaint(QWidget* splash) {
    if (!sinceMainStarted().isValid()) return;
    class FirstPaint final : public QObject {
      public:
        using QObject::QObject;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint && !seen_) {
                seen_ = true;
                QMetaObject::invokeMethod(
                    this,
                    [this] {
                        traceStartup("splash painted");
                        deleteLater();
                    },
                    Qt::QueuedConnection);
            }
            return false;
        }

      private:
        bool seen_ = false;
    };
    splash->installEventFilter(new FirstPaint(splash));
}

}  // namespace tenebrix::startup
