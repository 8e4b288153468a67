// SPDX-License-Identifier: GPL-3.0-or-later
// A help viewer that records each request instead of opening a window.
#pragma once

#include <QList>
#include <QString>

#include "HelpViewer.h"

namespace tenebrix::testing {

class FakeHelpViewer : public platform::HelpViewer {
  public:
    struct Request {
        QWidget* owner;
        QString helpFile;
    };
    QList<Request> requests;

    void showContents(QWidget* owner, const QString& helpFile) override {
        requests.append({owner, helpFile});
    }
};

}  // namespace tenebrix::testing
