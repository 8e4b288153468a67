// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own help viewer: a window of its own beside the game, showing
// the help file from its contents page.
#pragma once

#include <QString>
#include <memory>

#include "HelpViewer.h"

class QTextBrowser;

namespace tenebrix::platform {

class HelpWindow : public HelpViewer {
  public:
    HelpWindow();
    ~HelpWindow() override;

    // The first call opens the window beside `owner` (when given); later calls
    // reload the file, go back to its contents and bring the window forward.
    void showContents(QWidget* owner, const QString& helpFile) override;

    // The viewer window ("helpWindow"), or nullptr before the first call. It
    // lives as long as this object; closing it only hides it.
    QWidget* window() const;

  private:
    void createWindow(QWidget* owner);
    void load(const QString& helpFile);

    std::unique_ptr<QWidget> m_window;
    QTextBrowser* m_browser = nullptr;  // owned by m_window
};

}  // namespace tenebrix::platform
