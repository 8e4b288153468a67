// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of the game: it shows what the game (WebAssembly, from
// the same C++ as the desktop) asks for and forwards the player's input.
// The game's rules, texts and pictures all come from the game itself.
"use strict";

var tenebrixPage = (() => {
  const $ = (id) => document.getElementById(id);
  const pictures = new Map();  // key -> canvas holding the picture
  let game = null;             // the WebAssembly module once it has loaded
  let busy = false;            // a message box is open: the game waits for it
  let mainShown = false;
  // Pictures come drawn at a whole number of device pixels per pixel; each
  // canvas is sized in device pixels, filled nearest pixel for pixel (at a
  // ratio such as 1.25) and moved onto whole device pixels.
  const ratio = window.devicePixelRatio || 1;
  const scale = Math.max(1, Math.floor(ratio));

  // --- What the game asks of the page ---------------------------------

  const page = {
    setText(id, text) { $(id).textContent = text; },
    setVisible(id, visible) {
      const element = $(id);
      element.hidden = !visible;
      if (visible) snapPictures(element);
    },
    setChecked(id, checked) { $(id).setAttribute("aria-checked", String(checked)); },
    setBackColour(id, colour) { $(id).style.backgroundColor = colour; },
    setAccessibleName(id, name) { $(id).setAttribute("aria-label", name); },
    setScrollValue(id, value) { scrollBars.get(id).show(value); },
    focus(id) { $(id).focus(); },
    definePicture(key, width, height, rgba) {
      const canvas = document.createElement("canvas");
      canvas.width = width;
      canvas.height = height;
      canvas.getContext("2d").putImageData(
        new ImageData(new Uint8ClampedArray(rgba.buffer), width, height), 0, 0);
      pictures.set(key, canvas);
    },
    // Drawn into the box's canvas, which is sized in device pixels; on the
    // page it keeps the picture's size at 96 dpi.
    showPicture(id, key) {
      const element = $(id);
      const canvas = element.tagName === "CANVAS" ? element : element.querySelector("canvas");
      const picture = pictures.get(key);
      const width = Math.round(picture.width / scale * ratio);
      const height = Math.round(picture.height / scale * ratio);
      const context = canvas.getContext("2d");
      if (canvas.width !== width || canvas.height !== height) {
        canvas.width = width;
        canvas.height = height;
        // Lengths are laid out in 64ths of a CSS pixel: the next one up,
        // so the canvas covers all its device pixels.
        canvas.style.width = Math.ceil(width / ratio * 64) / 64 + "px";
        canvas.style.height = Math.ceil(height / ratio * 64) / 64 + "px";
      }
      context.imageSmoothingEnabled = false;
      context.clearRect(0, 0, width, height);
      context.drawImage(picture, 0, 0, width, height);
    },
    showWindow(id) {
      const shown = $(id);
      shown.hidden = false;
      alignWindow(shown);
      snapPictures(shown);
      if (id === "frmMain") { mainShown = true; statusClock.start(); }
    },
    // The focus goes back where it was when the box closes.
    showModal(id) {
      const dialog = $(id);
      const returnFocus = document.activeElement;
      dialog.addEventListener("close", () => { if (returnFocus?.isConnected) returnFocus.focus(); },
                              { once: true });
      dialog.style.margin = "";
      dialog.showModal();
      alignWindow(dialog);
      snapPictures(dialog);
    },
    closeWindow(id) {
      const element = $(id);
      if (element.tagName === "DIALOG") element.close(); else element.hidden = true;
    },
    showMessage(text, title, yesNo, icon) { return messageBox.show(text, title, yesNo, icon); },
    openHelp(path) {
      const opened = window.open(path + "#contents", "_blank");
      return opened ? "" : "The browser did not open the help page in a new tab.";
    },
    exit() {
      savePlacement();
      for (const dialog of document.querySelectorAll("dialog[open]")) dialog.close();
      $("frmMain").hidden = true;
      mainShown = false;
      window.close();
    },
  };

  // Puts a window, centred by the page's style, on whole CSS pixels: then at
  // a ratio of 1 or 2 every picture inside lies on whole device pixels.
  function alignWindow(element) {
    element.style.left = element.style.top = "";
    const box = element.getBoundingClientRect();
    if (!box.width) return;
    element.style.position = element.tagName === "DIALOG" ? "fixed" : "relative";
    element.style.left = (element.tagName === "DIALOG" ? Math.floor(box.left) : Math.floor(box.left) - box.left) + "px";
    element.style.top = (element.tagName === "DIALOG" ? Math.floor(box.top) : Math.floor(box.top) - box.top) + "px";
    if (element.tagName === "DIALOG") element.style.margin = "0";
  }

  // Moves each shown picture under `root` by less than a device pixel, so
  // its pixels fall on the device's pixels rather than between them, as
  // they may at a ratio such as 1.25. A transform, unlike a layout offset,
  // moves by exactly what it is given.
  function snapPictures(root) {
    if (ratio === Math.floor(ratio)) return;  // whole pixels already
    for (const canvas of root.querySelectorAll("canvas.picture")) {
      const [shiftX, shiftY] = (canvas.dataset.shift || "0,0").split(",").map(Number);
      const box = canvas.getBoundingClientRect();
      if (!box.width) continue;  // not shown: moved when it is
      const left = box.left - shiftX, top = box.top - shiftY;
      const x = Math.round(left * ratio) / ratio - left, y = Math.round(top * ratio) / ratio - top;
      canvas.dataset.shift = x + "," + y;
      canvas.style.transform = `translate(${x}px,${y}px)`;
    }
  }

  window.addEventListener("resize", () => {
    for (const shown of document.querySelectorAll(".desktop > .window:not([hidden]), dialog[open]")) {
      if (shown.tagName === "DIALOG") shown.style.margin = "";
      alignWindow(shown);
    }
    snapPictures(document.body);
  });

  // --- Calls into the game ----------------------------------------------

  // A command that may show a message runs asynchronously: the game is
  // suspended while the box is open. Nothing else reaches the game then.
  function call(name, ...args) {
    if (!game || busy) return;
    game.ccall(name, null, args.map(() => "number"), args, { async: true });
  }
  function quick(name, ...args) {
    if (game && !busy) game["_" + name](...args);
  }

  // --- Message box --------------------------------------------------------

  const messageBox = {
    show(text, title, yesNo, icon) {
      busy = true;
      const dialog = $("msgBox");
      $("msgTitle").textContent = title;
      $("msgText").textContent = text.replace(/\r\n/g, "\n");
      $("msgIcon").hidden = !icon;
      $("msgOK").hidden = yesNo;
      $("msgYes").hidden = !yesNo;
      $("msgNo").hidden = !yesNo;
      const returnFocus = document.activeElement;
      return new Promise((resolve) => {
        const answer = (value) => {
          for (const [id, handler] of handlers) $(id).removeEventListener("click", handler);
          dialog.removeEventListener("cancel", onCancel);
          dialog.removeEventListener("keydown", onKey);
          dialog.close();
          busy = false;
          if (returnFocus && returnFocus.isConnected) returnFocus.focus();
          resolve(value);
        };
        const handlers = [["msgOK", () => answer(0)], ["msgYes", () => answer(1)],
                          ["msgNo", () => answer(2)]];
        for (const [id, handler] of handlers) $(id).addEventListener("click", handler);
        // Esc closes a box with OK only; Yes and No must be chosen.
        const onCancel = (event) => { event.preventDefault(); if (!yesNo) answer(0); };
        const onKey = (event) => {
          const key = event.key.toUpperCase();
          if (yesNo && (key === "Y" || key === "N")) {
            event.preventDefault();
            answer(key === "Y" ? 1 : 2);
          }
        };
        dialog.addEventListener("cancel", onCancel);
        dialog.addEventListener("keydown", onKey);
        dialog.showModal();
        $(yesNo ? "msgYes" : "msgOK").focus();
      });
    },
  };

  // --- Status bar: date and time, woken once at each change of minute ----

  const statusClock = {
    timer: 0,
    start() { if (!this.timer) this.tick(); },
    tick() {
      const now = new Date();
      $("Panels(2)").textContent = now.toLocaleDateString(undefined, { dateStyle: "short" });
      $("Panels(3)").textContent = now.toLocaleTimeString(undefined, { timeStyle: "short" });
      const toNextMinute = 60000 - (now.getSeconds() * 1000 + now.getMilliseconds());
      this.timer = setTimeout(() => this.tick(), toNextMinute + 5);
    },
  };

  // --- Placement on leaving, in twips; never read back ------------------

  function savePlacement() {
    if (!mainShown) return;
    const box = $("frmMain").getBoundingClientRect();
    const twips = (pixels) => String(Number(Math.fround(pixels * 15).toPrecision(7)));
    const values = { MainLeft: box.left, MainTop: box.top, MainWidth: box.width,
                     MainHeight: box.height };
    try {
      for (const [key, pixels] of Object.entries(values))
        localStorage.setItem("Tenebrix/Settings/" + key, twips(pixels));
    } catch (error) {
      // A store that cannot be written does not hold the leaving up.
    }
  }
  window.addEventListener("pagehide", savePlacement);

  const scrollBars = new Map();  // by name: the thumb moves when the game sets the level

  // --- Board ------------------------------------------------------------------

  function wireBoard() {
    for (const tile of document.querySelectorAll("button.tile")) {
      const n = Number(tile.dataset.tile);
      tile.addEventListener("click", () => call("tenebrix_tile_click", n));
      tile.addEventListener("mousemove", () => quick("tenebrix_tile_move", n));
      // The tile last in focus is the board's stop in the tab chain.
      tile.addEventListener("focus", () => {
        for (const other of document.querySelectorAll("button.tile")) other.tabIndex = other === tile ? 0 : -1;
      });
      tile.addEventListener("keydown", (event) => {
        const steps = { ArrowLeft: [0, -1], ArrowRight: [0, 1], ArrowUp: [-1, 0], ArrowDown: [1, 0] };
        const step = steps[event.key];
        if (!step || event.altKey || event.ctrlKey) return;
        event.preventDefault();
        const row = Math.min(4, Math.max(0, Math.floor((n - 1) / 5) + step[0]));
        const column = Math.min(4, Math.max(0, (n - 1) % 5 + step[1]));
        $("picTile(" + (row * 5 + column + 1) + ")").focus();
      });
    }
    for (const label of document.querySelectorAll(".tilenumber"))
      label.addEventListener("mousemove", () => quick("tenebrix_tile_number_move"));
    // The bare window, the frame's own area, Hint and Reset take the
    // preview off as the pointer crosses them; New Puzzle when a button is
    // released over it.
    $("frmMain").addEventListener("mousemove", (event) => {
      if (event.target.hasAttribute("data-bare")) quick("tenebrix_hide_move");
    });
    for (const id of ["cmdHint", "cmdReset"])
      $(id).addEventListener("mousemove", () => quick("tenebrix_hide_move"));
    $("cmdNewPuzzle").addEventListener("mouseup", () => quick("tenebrix_hide_move"));
    for (const button of document.querySelectorAll("#clientArea .command"))
      button.addEventListener("click", () => call("tenebrix_command", Number(button.dataset.command)));
  }

  // --- Keys of the whole window -------------------------------------------------

  let menuBar = null;
  function onKey(event) {
    if (!mainShown || busy || document.querySelector("dialog[open]")) return;
    if (menuBar.menuKey(event)) { event.preventDefault(); return; }
    const key = event.key.length === 1 ? event.key.toUpperCase() : event.key;
    if (event.ctrlKey && !event.altKey && !event.shiftKey) {
      // Ctrl+N never reaches a page: the browser keeps it for a new window.
      const item = document.querySelector(`.popup .item[data-shortcut="${key}"]`);
      if (item) { event.preventDefault(); menuBar.choose(item); }
      return;
    }
    if (event.altKey && !event.ctrlKey) {
      // The window's own controls come before the menus: Alt+H is Hint.
      const control = document.querySelector(`#clientArea [data-accesskey="${key}"]`);
      const menu = document.querySelector(`.menutitle[data-accesskey="${key}"]`);
      if (control) { event.preventDefault(); control.focus(); control.click(); }
      else if (menu) { event.preventDefault(); menuBar.open(menu); }
      return;
    }
    if (key === "F10" && !event.shiftKey) { event.preventDefault(); menuBar.open(null); }
  }

  // --- About box ----------------------------------------------------------------

  function wireAbout() {
    const about = $("frmAbout");
    const close = () => about.close();
    $("cmdOK").addEventListener("click", close);
    about.querySelector(".closebox").addEventListener("click", close);
    $("cmdSysInfo").addEventListener("click", () => call("tenebrix_sysinfo"));
    about.addEventListener("cancel", (event) => { if (busy) event.preventDefault(); });
    about.addEventListener("keydown", (event) => {
      if (busy) return;
      if (event.altKey && event.key.toUpperCase() === "S") { event.preventDefault(); $("cmdSysInfo").click(); }
      else if (event.key === "Enter" && document.activeElement === about) { event.preventDefault(); close(); }
    });
  }

  // --- Start ----------------------------------------------------------------------

  function start(module) {
    performance.mark("tenebrix-loaded");  // the program compiled and running
    game = module;
    const scrollCalls = { ScrollTileSet: "tenebrix_scroll_tile_set", ScrollMode: "tenebrix_scroll_mode",
                          ScrollLevel: "tenebrix_scroll_level" };
    for (const bar of document.querySelectorAll(".scrollbar"))
      scrollBars.set(bar.id, tenebrixScrollBar(bar, (value) => quick(scrollCalls[bar.id], value), () => busy));
    wireBoard();
    menuBar = tenebrixMenuBar((command) => call("tenebrix_command", command));
    wireAbout();
    document.addEventListener("keydown", onKey);
    game._tenebrix_start(scale);
    if (!performance.getEntriesByName("tenebrix-splash").length)
      performance.mark("tenebrix-splash");  // the splash with its first logo frame
    // The game window's pictures once the splash is on the screen.
    requestAnimationFrame(() => setTimeout(() => game._tenebrix_prepare_pictures(), 0));
    const splash = setInterval(() => {
      if (game._tenebrix_splash_tick()) return;
      clearInterval(splash);
      performance.mark("tenebrix-main");  // handed over to the game window
    }, 500);
  }

  // A picture the page carries in its markup (the splash's first logo
  // frame) is shown as soon as it is decoded, through the same drawing as
  // the program's pictures, without waiting for the program; the program
  // draws the same picture again when it starts.
  function showEarlyPictures() {
    for (const canvas of document.querySelectorAll("canvas[data-picture]")) {
      const image = new Image();
      image.src = canvas.dataset.picture;
      image.decode().then(() => {
        if (game) return;  // the program has drawn it already
        // Drawn at the program's scale first, as the program hands it over.
        const scaled = document.createElement("canvas");
        scaled.width = image.width * scale;
        scaled.height = image.height * scale;
        const context = scaled.getContext("2d");
        context.imageSmoothingEnabled = false;
        context.drawImage(image, 0, 0, scaled.width, scaled.height);
        const key = "early:" + canvas.parentElement.id;
        pictures.set(key, scaled);
        page.showPicture(canvas.parentElement.id, key);
        page.showWindow(canvas.closest(".window").id);
        performance.mark("tenebrix-splash");  // the splash with its first logo frame
      }, () => {});  // not decoded: the program draws it
    }
  }

  showEarlyPictures();
  TenebrixModule().then(start);
  return page;
})();
