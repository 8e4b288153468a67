// SPDX-License-Identifier: GPL-3.0-or-later
// The real services of Services.h, on the system's own calls.
#pragma once

#include <string>
#include <vector>

#include "Services.h"

namespace tenebrix::win32 {

// Writes under HKEY_CURRENT_USER\Software\<application>\<section>, as text;
// the UTF-8 names and value go to the registry as the wide text they spell.
class RegistrySettingsStore final : public platform::SettingsStore {
  public:
    bool SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override;
};

// Opens the help file through the shell with the viewer the system has for
// web pages: the help is one, whatever its name, and Windows no longer
// carries a viewer for the ".hlp" name itself. The classes are tried in
// turn: the one of the ".html" name, then "htmlfile" (Wine knows only this).
// The shell's library (`shellLibrary`, from the system folder only) is
// loaded at the first request, not at start: it and what it pulls in are
// most of the game's memory beyond a bare window's, and most games never
// open the help. A load that fails is tried again at the next request, and
// its own error is the one reported. COM is initialised on the calling
// thread first, apartment-threaded, as some viewers' associations need.
class ShellHelpViewer final : public HelpViewer {
  public:
    explicit ShellHelpViewer(std::vector<std::wstring> fileClasses = {L".html", L"htmlfile"},
                             std::wstring shellLibrary = L"shell32.dll")
        : fileClasses_(std::move(fileClasses)), shellLibrary_(std::move(shellLibrary)) {}
    std::optional<std::wstring> showContents(HWND owner, const std::wstring& helpFile) override;

  private:
    std::vector<std::wstring> fileClasses_;
    std::wstring shellLibrary_;
    void* shellExecuteEx_ = nullptr;  // ShellExecuteExW, once found
    bool comReady_ = false;
};

// A function of a library in the system folder, loading the library if it
// is not yet; null with the system's error code in `error` when either is
// missing.
void* systemFunction(const wchar_t* library, const char* function, DWORD& error);

class SystemMessageBoxes final : public MessageBoxes {
  public:
    MessageAnswer show(HWND owner, const Message& message) override;
};

// The local time, and the date and time as the player's system writes them
// short (the date in its short format, the time in its own without
// seconds), for the locale `localeName` ("ko-KR"); empty for the player's.
class SystemClock final : public platform::LocalClock {
  public:
    explicit SystemClock(std::wstring localeName = {}) : locale_(std::move(localeName)) {}
    platform::LocalTime now() override;
    std::string shortDate(const platform::LocalTime& time) override;
    std::string shortTime(const platform::LocalTime& time) override;
    bool shortTimeShowsSeconds() override { return false; }

  private:
    const wchar_t* locale() const {
        return locale_.empty() ? LOCALE_NAME_USER_DEFAULT : locale_.c_str();
    }
    std::wstring locale_;
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
