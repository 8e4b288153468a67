// SPDX-License-Identifier: GPL-3.0-or-later
// The real services of Services.h, on the system's own calls.
#pragma once

#include <vector>

#include "Services.h"

namespace tenebrix::win32 {

// Writes under HKEY_CURRENT_USER\Software\<application>\<section>, as text.
class RegistrySettingsStore final : public SettingsStore {
  public:
    bool SaveSetting(const std::wstring& appName, const std::wstring& section,
                     const std::wstring& key, const std::wstring& value) override;
};

// Opens the help file through the shell with the viewer the system has for
// web pages: the help is one, whatever its name, and Windows no longer
// carries a viewer for the ".hlp" name itself. The classes are tried in
// turn: the one of the ".html" name, then "htmlfile" (Wine knows only this).
class ShellHelpViewer final : public HelpViewer {
  public:
    explicit ShellHelpViewer(std::vector<std::wstring> fileClasses = {L".html", L"htmlfile"})
        : fileClasses_(std::move(fileClasses)) {}
    std::optional<std::wstring> showContents(HWND owner, const std::wstring& helpFile) override;

  private:
    std::vector<std::wstring> fileClasses_;
};

class SystemMessageBoxes final : public MessageBoxes {
  public:
    MessageAnswer show(HWND owner, const Message& message) override;
};

class SystemClock final : public Clock {
  public:
    SYSTEMTIME now() override;
};

// Starts a program by its path, taken whole: Windows keeps the system
// information tool under "C:\Program Files\...", a path with blanks, so it
// is never split into a program and arguments.
class ProgramLauncher final : public platform::Launcher {
  public:
    bool fileExists(const std::string& path) override;
    bool launch(const std::string& programPath) override;
};

// The system's text for an error code, without its line break.
std::wstring systemErrorText(DWORD error);

// The folder of the running program, with a final backslash.
std::wstring programFolder();

}  // namespace tenebrix::win32
