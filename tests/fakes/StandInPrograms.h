// SPDX-License-Identifier: GPL-3.0-or-later
// A folder of stand-in programs, alone on PATH: tests choose the tools installed, see which ran.
#pragma once

#include <QFile>
#include <QTemporaryDir>

namespace tenebrix::testing {

class StandInPrograms {
  public:
    StandInPrograms() { qputenv("PATH", m_folder.path().toLocal8Bit()); }

    // A program `name` that, run, writes its argument count and arguments for ranWith.
    void install(const QString& name) {
        QFile program(m_folder.filePath(name));
        if (!program.open(QIODevice::WriteOnly)) qFatal("cannot write a stand-in program");
        program.write("#!/bin/sh\necho $# \"$@\" > \"$0.ran\"\n");
        program.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }

    QByteArray ranWith(const QString& name) const {
        QFile record(m_folder.filePath(name + ".ran"));
        return record.open(QIODevice::ReadOnly) ? record.readAll().trimmed() : QByteArray();
    }

  private:
    QTemporaryDir m_folder;
};

}  // namespace tenebrix::testing
