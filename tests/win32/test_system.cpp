// SPDX-License-Identifier: GPL-3.0-or-later
// The game against the real system under it: Wine's registry for System
// Info and the window placement, the shell for the help viewer, and real
// programs started at paths with blanks.
#include <doctest/doctest.h>

#include <array>

#include "MainWindowFixture.h"
#include "StandIn.h"
#include "SystemInfo.h"
#include "SystemServices.h"
#include "WideText.h"
#include "WindowsRegistry.h"

using namespace tenebrix;
using namespace tenebrix::testing;

namespace {

// Written out rather than taken from the code, so a misspelt key fails.
constexpr const wchar_t* kPathKey = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const wchar_t* kFolderKey = L"SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const wchar_t* kToolFolder = L"C:\\Program Files\\Common Files\\Tenebrix Tools";
constexpr const wchar_t* kPlacementKey = L"Software\\Tenebrix\\Settings";

void setText(HKEY root, const wchar_t* key, const wchar_t* name, const std::wstring& text) {
    RegSetKeyValueW(root, key, name, REG_SZ, text.c_str(),
                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

std::optional<std::wstring> readText(HKEY root, const wchar_t* key, const wchar_t* name) {
    std::array<wchar_t, 256> text{};
    DWORD size = sizeof text;
    if (RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, text.data(), &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(text.data());
}

}  // namespace

TEST_CASE("System Info finds the tool through the real registry and starts it whole") {
    const std::wstring entry1 = std::wstring(kToolFolder) + L"\\Entry One\\msinfo32.exe";
    const std::wstring entry2 = std::wstring(kToolFolder) + L"\\MSINFO32.EXE";
    struct Case {
        const char* name;
        bool pathEntry, folderEntry, entry1Installed, entry2Installed;
        std::wstring started;  // empty: the message instead
    };
    const std::vector<Case> cases{
        {"neither entry", false, false, true, true, L""},
        {"entry 1, even with entry 2 there", true, true, true, true, entry1},
        {"entry 1 missing on disk: no look at entry 2", true, true, false, true, L""},
        {"only entry 2", false, true, true, true, entry2},
        {"only entry 2, no tool in its folder", false, true, true, false, L""},
    };
    // What a path split at its first blank would start instead.
    const std::wstring decoy = L"C:\\Program Files\\Common Files\\Tenebrix.exe";
    REQUIRE(installStandIn(decoy));
    for (const Case& c : cases) {
        const std::string name = c.name;
        CAPTURE(name);
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, kPathKey);
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, kFolderKey);
        DeleteFileW((decoy + L".ran").c_str());
        for (const std::wstring& tool : {entry1, entry2}) {
            DeleteFileW(tool.c_str());
            DeleteFileW((tool + L".ran").c_str());
        }
        if (c.entry1Installed) REQUIRE(installStandIn(entry1));
        if (c.entry2Installed) REQUIRE(installStandIn(entry2));
        if (c.pathEntry) setText(HKEY_LOCAL_MACHINE, kPathKey, L"PATH", entry1);
        if (c.folderEntry) setText(HKEY_LOCAL_MACHINE, kFolderKey, L"MSINFO", kToolFolder);
        const auto registry = platform::makeWindowsRegistry();
        win32::ProgramLauncher launcher;
        const auto message = platform::StartSysInfo(*registry, launcher);
        CHECK(message.has_value() == c.started.empty());
        for (const std::wstring& tool : {entry1, entry2, decoy}) {
            const bool expected = tool == c.started;
            CHECK(standInCommandLine(tool, expected ? 15000 : 500).has_value() == expected);
        }
    }
}

TEST_CASE("the Windows registry reads values and reports failures as the system does") {
    constexpr const char* kVersionKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    const auto windows = platform::makeWindowsRegistry();
    platform::Registry& registry = *windows;
    platform::RegistryHandle key = 0;
    std::array<char, 1024> buffer{};
    std::uint32_t type = 0, size = buffer.size();
    REQUIRE(registry.open(platform::kHkeyLocalMachine, kVersionKey, platform::kKeyRead, key) ==
            platform::kErrorSuccess);
    CHECK(registry.queryValue(key, "ProductName", type, buffer, size) == platform::kErrorSuccess);
    CHECK(type == platform::kRegSz);
    CHECK(buffer[size - 1] == '\0');
    const std::uint32_t fullSize = size;
    size = 4;
    CHECK(registry.queryValue(key, "ProductName", type, buffer, size) == platform::kErrorMoreData);
    CHECK(size == fullSize);
    CHECK(registry.queryValue(key, "NoSuchValue", type, buffer, size) ==
          platform::kErrorFileNotFound);
    CHECK(registry.close(key) == platform::kErrorSuccess);
    CHECK(registry.open(platform::kHkeyLocalMachine, "SOFTWARE\\NoSuchKey", platform::kKeyRead,
                        key) == platform::kErrorFileNotFound);
    CHECK(key == 0);
    CHECK(registry.close(0) != platform::kErrorSuccess);
    std::string name;
    CHECK(platform::GetKeyValue(registry, platform::kHkeyLocalMachine, kVersionKey, "ProductName",
                                name));
    CHECK(name.size() + 1 == fullSize);
}

// Log-off and shutdown end the program without a close: the placement is
// written as closing writes it, and only once the session really ends.
TEST_CASE("closing and the session's end write the placement in twips, unless minimised") {
    enum class End { CloseBox, Exit, SessionEnds, SessionGoesOn };
    struct Case {
        const char* name;
        int show;  // how the window is before the end
        End end;
        bool written;
    };
    for (const Case& c : {Case{"close box", SW_SHOWNORMAL, End::CloseBox, true},
                          Case{"File > Exit", SW_SHOWNORMAL, End::Exit, true},
                          Case{"maximised", SW_MAXIMIZE, End::CloseBox, true},
                          Case{"minimised", SW_MINIMIZE, End::CloseBox, false},
                          Case{"log-off", SW_SHOWNORMAL, End::SessionEnds, true},
                          Case{"log-off, minimised", SW_MINIMIZE, End::SessionEnds, false},
                          Case{"a log-off called off", SW_SHOWNORMAL, End::SessionGoesOn, false}}) {
        const std::string name = c.name;
        CAPTURE(name);
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tenebrix");
        win32::RegistrySettingsStore store;
        MainWindowFixture f({7, 19}, &store);
        ShowWindow(f.window(), c.show);
        RECT outer;
        GetWindowRect(f.window(), &outer);
        const double twipsPerPixel = 1440.0 / win32::dpiOf(f.window()).dpi;
        switch (c.end) {
            case End::CloseBox:
                SendMessageW(f.window(), WM_CLOSE, 0, 0);
                break;
            case End::Exit:
                f.menu(forms::MenuCommand::Exit);
                break;
            case End::SessionEnds:
            case End::SessionGoesOn:
                CHECK(SendMessageW(f.window(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF) == TRUE);
                SendMessageW(f.window(), WM_ENDSESSION, c.end == End::SessionEnds,
                             ENDSESSION_LOGOFF);
                break;
        }
        pumpMessages();
        CHECK(f.closed == (c.end == End::CloseBox || c.end == End::Exit));
        const std::array<std::pair<const wchar_t*, long>, 4> values{
            {{L"MainLeft", outer.left},
             {L"MainTop", outer.top},
             {L"MainWidth", outer.right - outer.left},
             {L"MainHeight", outer.bottom - outer.top}}};
        for (const auto& [name, pixels] : values) {
            const std::string valueName = win32::narrow(name);
            CAPTURE(valueName);
            const auto text = readText(HKEY_CURRENT_USER, kPlacementKey, name);
            CHECK(text.has_value() == c.written);
            if (text && c.written)
                CHECK(std::stod(*text) == doctest::Approx(pixels * twipsPerPixel).epsilon(1e-6));
        }
    }
}

TEST_CASE("How to Play: no help, a viewer that fails, and the viewer the system has") {
    SUBCASE("a build without help says so and opens nothing") {
        MainWindowFixture f({7, 19}, nullptr, nullptr, L"");
        f.menu(forms::MenuCommand::HelpContents);
        REQUIRE(f.messages.shown.size() == 1);
        CHECK(f.messages.shown[0].owner == f.window());
        CHECK(f.messages.shown[0].message ==
              Message{
                  "Unable to display Help Contents. There is no Help associated with this project.",
                  "Tenebrix", MessageButtons::Ok, MessageIcon::Information});
        CHECK(f.help.opened.empty());
    }
    SUBCASE("a viewer that fails: the system's description, no icon") {
        MainWindowFixture f;
        f.help.failure = L"The system cannot find the file specified.";
        f.menu(forms::MenuCommand::HelpContents);
        f.menu(forms::MenuCommand::HelpContents);
        CHECK(f.help.opened == std::vector<std::wstring>(2, L"C:\\Games\\Tenebrix.hlp"));
        REQUIRE(f.messages.shown.size() == 2);
        CHECK(f.messages.shown[0].message ==
              Message{"The system cannot find the file specified.", "Tenebrix"});
    }
    SUBCASE("the shell's viewer: a missing viewer program gives the system's error text") {
        const std::wstring viewer = std::wstring(kToolFolder) + L"\\Help Viewer\\viewer.exe";
        DeleteFileW(viewer.c_str());
        setText(HKEY_CLASSES_ROOT, L".tenebrixtest\\shell\\open\\command", nullptr,
                L"\"" + viewer + L"\" \"%1\"");
        win32::ShellHelpViewer shell({L".tenebrixtest"});
        const auto error = shell.showContents(nullptr, L"C:\\Games\\Tenebrix.hlp");
        REQUIRE(error.has_value());
        CHECK(!error->empty());
        REQUIRE(installStandIn(viewer));
        CHECK_FALSE(shell.showContents(nullptr, L"C:\\Games\\Tenebrix.hlp").has_value());
        const auto commandLine = standInCommandLine(viewer);
        REQUIRE(commandLine.has_value());
        CHECK(commandLine->find(L"C:\\Games\\Tenebrix.hlp") != std::wstring::npos);
    }
}

namespace {

std::wstring systemFolder() {
    wchar_t folder[MAX_PATH] = L"";
    GetSystemDirectoryW(folder, MAX_PATH);
    return folder;
}

template <typename Function>
Function exported(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

// The zip is often unpacked into Downloads, beside whatever a web page left
// there: a library of the shell's name beside the program must never load.
// The stand-in shell library (fake_shell.cpp) is built beside the tests.
TEST_CASE("the shell's library: from the system folder only, tried again after a failure") {
    const std::wstring name = L"tenebrix_fake_shell.dll";
    const std::wstring besideProgram = win32::programFolder() + name;
    const std::wstring inSystem = systemFolder() + L"\\" + name;
    const std::wstring helpFile = L"C:\\Games\\Tenebrix.hlp";
    DeleteFileW(inSystem.c_str());
    REQUIRE(GetFileAttributesW(besideProgram.c_str()) != INVALID_FILE_ATTRIBUTES);
    CHECK(LoadLibraryW(name.c_str()) == nullptr);  // the whole program's search

    win32::ShellHelpViewer viewer({L"htmlfile"}, name);
    const std::wstring notFound = win32::systemErrorText(ERROR_MOD_NOT_FOUND);
    CHECK(viewer.showContents(nullptr, helpFile) == notFound);
    SetLastError(ERROR_ACCESS_DENIED);  // left over from some other call
    CHECK(viewer.showContents(nullptr, helpFile) == notFound);

    REQUIRE(CopyFileW(besideProgram.c_str(), inSystem.c_str(), FALSE));
    CHECK_FALSE(viewer.showContents(nullptr, helpFile).has_value());
    HMODULE shell = GetModuleHandleW(name.c_str());
    REQUIRE(shell != nullptr);
    CHECK(exported<int (*)()>(shell, "fakeShellCalls")() == 1);
    CHECK(exported<const wchar_t* (*)()>(shell, "fakeShellFile")() == helpFile);
    // Some viewers' associations run through COM: ready, single-threaded.
    CHECK(exported<BOOL (*)()>(shell, "fakeShellApartmentThreaded")());

    win32::ShellHelpViewer withoutTheCall({L"htmlfile"}, L"version.dll");
    CHECK(withoutTheCall.showContents(nullptr, helpFile) ==
          win32::systemErrorText(ERROR_PROC_NOT_FOUND));
}

TEST_CASE("the settings store and the clock take and give the game's UTF-8 whole") {
    SUBCASE("the settings store writes the wide text the UTF-8 spells") {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tenebrix Test");
        win32::RegistrySettingsStore store;
        // "Réglages", "Clé" and "1٫5 €": two-byte and three-byte characters.
        CHECK(store.SaveSetting("Tenebrix Test", "R\xC3\xA9glages", "Cl\xC3\xA9",
                                "1\xD9\xAB"
                                "5 \xE2\x82\xAC"));
        CHECK(readText(HKEY_CURRENT_USER, L"Software\\Tenebrix Test\\R\u00e9glages", L"Cl\u00e9") ==
              std::wstring(L"1\u066b5 \u20ac"));
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tenebrix Test");
    }
    SUBCASE("the clock writes the date and the time in the locale's short formats") {
        win32::SystemClock clock(L"en-US");
        const platform::LocalTime time{2026, 12, 7, 9, 41, 20, 0};
        CHECK(clock.shortDate(time) == "12/7/2026");
        CHECK(clock.shortTime(time) == "9:41 AM");
        CHECK_FALSE(clock.shortTimeShowsSeconds());
    }
    SUBCASE("beyond ASCII, the clock's texts are the system's, in UTF-8") {
        win32::SystemClock clock(L"ar-SA");
        const platform::LocalTime time{2026, 12, 7, 21, 41, 20, 0};
        SYSTEMTIME system{2026, 12, 1, 7, 21, 41, 20, 0};
        wchar_t expected[128] = L"";
        GetTimeFormatEx(L"ar-SA", TIME_NOSECONDS, &system, nullptr, expected, 128);
        REQUIRE(std::wstring(expected).find_first_not_of(L"0123456789: ") != std::wstring::npos);
        CHECK(win32::widen(clock.shortTime(time)) == expected);
    }
    SUBCASE("the clock's now is the system's local time") {
        win32::SystemClock clock;
        const platform::LocalTime now = clock.now();
        SYSTEMTIME local;
        GetLocalTime(&local);
        const SYSTEMTIME read{static_cast<WORD>(now.year),
                              static_cast<WORD>(now.month),
                              0,
                              static_cast<WORD>(now.day),
                              static_cast<WORD>(now.hour),
                              static_cast<WORD>(now.minute),
                              static_cast<WORD>(now.second),
                              static_cast<WORD>(now.millisecond)};
        FILETIME a, b;
        REQUIRE(SystemTimeToFileTime(&read, &a));
        REQUIRE(SystemTimeToFileTime(&local, &b));
        const auto ticks = [](FILETIME t) {
            return (static_cast<long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
        };
        CHECK(ticks(b) - ticks(a) >= 0);
        CHECK(ticks(b) - ticks(a) < 50000000);  // 5 seconds
    }
}
