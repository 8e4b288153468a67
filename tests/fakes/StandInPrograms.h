// SPDX-License-Identifier: GPL-3.0-or-later
// A folder of stand-in programs, alone on PATH while it lives: tests choose the
// tools installed, see which ran. PATH is put back when it goes.
#pragma once

#include <QFile>
#include <QTemporaryDir>

#include "ScopedEnvironment.h"

namespace tenebrix::testing {

// What `gnome-control-center --list` prints, one panel a line under a heading
// (no single quote in them: the stand-in echoes them quoted).
// Settings 43 (Debian 12) has the About page as its own panel, "info-overview";
// from 46 on it is a page of the "system" panel, and info-overview is gone.
inline const QByteArray kGnomeSettings43Panels =
    "Available panels:\n\tapplications\n\tbackground\n\tbluetooth\n\tcolor\n\tdatetime\n"
    "\tdefault-apps\n\tdisplay\n\tinfo-overview\n\tkeyboard\n\tmouse\n\tmultitasking\n"
    "\tnetwork\n\tnotifications\n\tonline-accounts\n\tpower\n\tprinters\n\tprivacy\n\tregion\n"
    "\tremovable-media\n\tsearch\n\tsharing\n\tsound\n\tuniversal-access\n\tuser-accounts\n"
    "\twacom\n\twifi\n\twwan\n";
inline const QByteArray kGnomeSettings46Panels =
    "Available panels:\n\tapplications\n\tbackground\n\tbluetooth\n\tcolor\n\tdisplay\n"
    "\tkeyboard\n\tmouse\n\tmultitasking\n\tnetwork\n\tnotifications\n\tonline-accounts\n"
    "\tpower\n\tprinters\n\tprivacy\n\tsearch\n\tsharing\n\tsound\n\tsystem\n"
    "\tuniversal-access\n\twacom\n\twifi\n\twwan\n";

class StandInPrograms {
  public:
    // A program `name` that, run, writes its argument count and arguments for
    // ranWith. Given a panel list, it prints that list when asked with --list,
    // as GNOME Settings does, and records nothing.
    void install(const QString& name, const QByteArray& panelList = {}) {
        QFile program(m_folder.filePath(name));
        program.remove();  // a stand-in installed again is written afresh
        if (!program.open(QIODevice::WriteOnly)) qFatal("cannot write a stand-in program");
        program.write("#!/bin/sh\n");
        if (!panelList.isNull())
            program.write("if [ \"$1\" = --list ]; then echo '" + panelList + "'; exit 0; fi\n");
        program.write("echo $# \"$@\" > \"$0.ran\"\n");
        program.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }

    // A program `name` that runs the shell commands given. PATH holds only
    // the stand-ins, so other programs are named by their full path.
    void installScript(const QString& name, const QByteArray& commands) {
        QFile program(m_folder.filePath(name));
        program.remove();  // a stand-in installed again is written afresh
        if (!program.open(QIODevice::WriteOnly)) qFatal("cannot write a stand-in program");
        program.write("#!/bin/sh\n" + commands + "\n");
        program.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }

    QByteArray ranWith(const QString& name) const {
        QFile record(m_folder.filePath(name + ".ran"));
        return record.open(QIODevice::ReadOnly) ? record.readAll().trimmed() : QByteArray();
    }

  private:
    QTemporaryDir m_folder;
    ScopedEnvironment m_path{"PATH", m_folder.path().toLocal8Bit()};
};

}  // namespace tenebrix::testing
