// SPDX-License-Identifier: GPL-3.0-or-later
// The owner's words shown on the splash screen and in the About box, kept in
// one place so the two windows always agree.
#pragma once

namespace tenebrix::forms {

inline constexpr const char* kCopyrightLine = "Copyright \u00a9 2026 Tenebrix developers";
// Shown as plain text, not a link.
inline constexpr const char* kWebAddress = "https://tenebrix.example.org";
// Free software under the GPL: "unauthorised" below means outside that licence.
inline constexpr const char* kLegalNotice =
    "Tenebrix is free software under the GNU General Public License, version 3 or later. "
    "Copying or distribution outside that licence is unauthorised; unauthorised copying or "
    "distribution is punishable and may result in civil and criminal penalties.";

}  // namespace tenebrix::forms
