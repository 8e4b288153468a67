// SPDX-License-Identifier: GPL-3.0-or-later
// The owner's words shown on the splash screen and in the About box, kept in
// one place so the two windows always agree.
#pragma once

namespace tenebrix::startup {

inline constexpr const char* kCopyrightLine = "Copyright \u00a9 2026 Tenebrix developers";
// Shown as plain text, not a link.
inline constexpr const char* kWebAddress = "https://tenebrix.example.org";
inline constexpr const char* kLegalNotice =
    "Warning: this program is protected by copyright law. Unauthorised copying or "
    "distribution of this program, or of any part of it, is punishable and may result "
    "in severe civil and criminal penalties.";

}  // namespace tenebrix::startup
