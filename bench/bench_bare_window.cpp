// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the game's memory: a bare Qt Widgets main window with a
// menu bar and 25 labels, nothing else. It says on stderr when it is shown;
// bench/measure-memory reads its resident size once it has settled. With
// --clock, one label shows the time to the second, the least a clock that
// shows seconds can cost (bench/measure-idle).
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    for (const char* title : {"&File", "&View", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    auto* client = new QWidget(&window);
    auto* grid = new QGridLayout(client);
    QList<QLabel*> labels;
    for (int n = 0; n < 25; ++n) {
        labels.append(new QLabel(QString::number(n + 1)));
        grid->addWidget(labels.back(), n / 5, n % 5);
    }
    QTimer clock;
    if (app.arguments().contains(QStringLiteral("--clock"))) {
        QObject::connect(&clock, &QTimer::timeout, labels.back(), [label = labels.back()] {
            label->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
        });
        clock.start(1000);
    }
    window.setCentralWidget(client);
    window.resize(453, 370);
    window.show();

    QTimer::singleShot(0, &window, [&sinceStart] {
        std::fprintf(stderr, "bare window shown %lld ms after start\n",
                     static_cast<long long>(sinceStart.elapsed()));
        std::fflush(stderr);
    });
    return QApplication::exec();
}
