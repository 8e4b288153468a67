// SPDX-License-Identifier: GPL-3.0-or-later
// A window's controls, made by walking its control table: one Qt widget for
// each row, at its place, with its caption, alignment, font, visibility,
// border, start picture, range and line colour. Tab visits the tab stops in
// the order the table lists them, and where two controls overlap the one
// listed first lies above. Each widget knows its row again, so every event
// names the control the windows' rules know.
#pragma once

#include <qnamespace.h>

#include <span>
#include <string_view>
#include <vector>

#include "Control.h"

class QWidget;

namespace tenebrix::qt {

// How a window sets its captions up and down: the game window's sit at the
// top of their labels, the splash screen's and the About box's in the
// middle. A word-wrapped caption always starts at the top.
struct FormLook {
    Qt::Alignment captionVertical = Qt::AlignTop;
};

class FormControls {
  public:
    // Makes the controls of `table` on `surface`, the window's client area;
    // the ones in a frame go into the frame's widget. A status bar and a
    // timer are the window's own to make (add()).
    FormControls(std::span<const forms::Control> table, QWidget* surface, FormLook look = {});
    FormControls(const FormControls&) = delete;
    FormControls& operator=(const FormControls&) = delete;

    // The widget of `row`, a row of this table; nullptr for one not made.
    QWidget* widget(const forms::Control& row) const;
    template <class T>
    T* widget(const forms::Control& row) const {
        return qobject_cast<T*>(widget(row));
    }
    // The row of `widget`; nullptr for a widget that is none of the table's.
    const forms::Control* row(const QWidget* widget) const;
    // The row called `name` (and `index`); nullptr when there is none.
    const forms::Control* find(std::string_view name, int index = forms::kNoIndex) const;
    // A widget the window made itself for `row`.
    void add(const forms::Control& row, QWidget* widget);

  private:
    QWidget* make(std::size_t at, QWidget* surface, FormLook look);
    std::size_t indexOf(const forms::Control& row) const;

    std::span<const forms::Control> table_;
    std::vector<QWidget*> widgets_;  // by row
};

}  // namespace tenebrix::qt
