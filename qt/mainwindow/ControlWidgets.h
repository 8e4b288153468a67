// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt widgets behind the control kinds that Qt has no exact match for: a
// captioned frame drawn as the game's windows draw it, a separator line, and
// a push button and a scroll bar that leave their keys to the window's rules.
#pragma once

#include <QColor>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>

namespace tenebrix::qt {

// A frame with a caption: an etched line around it, broken by the caption on
// its top edge, so the contents keep the places they were laid out for.
class FrameBox final : public QGroupBox {
    Q_OBJECT

  public:
    FrameBox(const QString& caption, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A straight horizontal line of one colour; pointer and keys go to whatever
// lies beneath.
class SeparatorLine final : public QWidget {
    Q_OBJECT

  public:
    SeparatorLine(const QColor& colour, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
};

// A push button whose access key and Enter are the window's: the caption's
// '&' only underlines the letter, and Enter goes on to the window, whose
// rules say which button it presses. Space presses it as usual.
class Button final : public QPushButton {
    Q_OBJECT

  public:
    Button(const QString& caption, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A horizontal scroll bar whose keys go on to the window, whose rules step it.
class ScrollBar final : public QScrollBar {
    Q_OBJECT

  public:
    explicit ScrollBar(QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tenebrix::qt
