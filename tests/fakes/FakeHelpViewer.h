// SPDX-License-Identifier: GPL-3.0-or-later
// A help viewer that records each request instead of opening a window.
#pragma once

#include <QStringList>

#include "HelpViewer.h"

namespace tenebrix::testing {

class FakeHelpViewer : public platform::HelpViewer {
  public:
    QStringList helpFilesShown;
    void showContents(QWidget*, const QString& file) override { helpFilesShown.append(file); }
};

}  // namespace tenebrix::testing
