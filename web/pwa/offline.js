// SPDX-License-Identifier: GPL-3.0-or-later
// Hands the game to its service worker once the page has loaded, so that the
// next visit works without a network; a browser without one plays online.
"use strict";

if ("serviceWorker" in navigator) {
  window.addEventListener("load", () => {
    navigator.serviceWorker.register("sw.js").catch(() => {});
    // The worker keeps the player's language, once the page has it.
    Promise.all([navigator.serviceWorker.ready, window.tenebrixPage?.languageLoaded])
      .then(([registration, catalogue]) => { if (catalogue) registration.active?.postMessage({catalogue}); });
  });
}
