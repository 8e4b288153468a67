// SPDX-License-Identifier: GPL-3.0-or-later
// A folder of stand-in programs, made the only folder on PATH, so tests can
// choose which tools are installed and see which one was started.
#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

namespace tenebrix::testing {

class StandInPrograms {
  public:
    StandInPrograms() { qputenv("PATH", m_folder.path().toLocal8Bit()); }

    // A program `name` that, when run, writes the number of its arguments and
    // the arguments to `name`.ran in the folder.
    void install(const QString& name) {
        QFile program(m_folder.filePath(name));
        if (!program.open(QIODevice::WriteOnly)) qFatal("cannot write a stand-in program");
        program.write("#!/bin/sh\necho $# \"$@\" > '" + m_folder.filePath(name).toLocal8Bit() +
                      ".ran'\n");
        program.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }

    // What the program wrote when run; empty when it has not run.
    QByteArray ranWith(const QString& name) const {
        QFile record(m_folder.filePath(name + ".ran"));
        return record.open(QIODevice::ReadOnly) ? record.readAll().trimmed() : QByteArray();
    }

  private:
    QTemporaryDir m_folder;
};

}  // namespace tenebrix::testing
