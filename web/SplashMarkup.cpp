// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen's markup: a borderless window around its controls.
#include <string>

#include "Markup.h"
#include "PageMarkup.h"
#include "SplashForm.h"

namespace tenebrix::web {

namespace splash = forms::frmSplash;

std::string splashMarkup() {
    return "<div id=\"" + std::string(splash::kName) +
           "\" class=\"window splash\" role=\"dialog\" aria-label=\"" +
           escapeHtml(splash::kCaption) + "\" style=\"" +
           sizeStyle(splash::kWidth, splash::kHeight) + "\">\n" +
           controlsMarkup(splash::kControls) + "</div>\n";
}

}  // namespace tenebrix::web
