// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of the game: it shows what the game (WebAssembly, from
// the same C++ as the desktop) asks for and reports the player's input to
// it, by the names of the page's elements. Every rule of the game and of
// its windows, and every text and picture, comes from the game itself.
"use strict";

var tenebrixPage = (() => {
  const $ = (id) => document.getElementById(id);
  const pictures = new Map();  // key -> {canvas holding the picture, its device pixels per pixel}
  const timers = new Map();    // the game's timer number -> interval
  let game = null;             // the WebAssembly module once it has loaded
  let busy = false;            // a message box is open: the game waits for it
  let menuBar = null;
  let languageLoaded = null;  // resolves the page's promise below
  const scrollBars = new Map();  // by name
  // Pictures come drawn at a whole number of device pixels per pixel, the
  // number the game chose for the screen; each canvas is sized in device
  // pixels, filled nearest pixel for pixel (at a ratio such as 1.25) and
  // moved onto whole device pixels. The ratio changes with a zoom or on
  // another screen.
  let ratio = window.devicePixelRatio || 1;

  // --- Calls into the game ----------------------------------------------

  // The game's answer; a call that opens a message box comes back as a
  // promise instead, the game waiting inside it until the box is answered.
  // Texts cross as strings, which the game cannot take while it waits:
  // nothing but the box reaches it then.
  function call(name, ...args) {
    if (!game || busy) return 0;
    return game.ccall(name, "number", args.map((arg) => typeof arg === "string" ? "string" : "number"), args);
  }
  // The nearest element with a name: a control, or a window's client area.
  const nameOf = (element) => element?.closest("[id]")?.id ?? "";

  // --- What the game asks of the page -----------------------------------

  const page = {
    setText(id, text) { $(id).textContent = text; },
    setCaption(id, part, before, key, after) {
      const element = part ? $(id).querySelector(part) : $(id);
      if (!key) {
        element.textContent = before;
        return;
      }
      const underlined = document.createElement("u");
      underlined.textContent = key;
      element.replaceChildren(before, underlined, after);
    },
    setAttribute(id, part, name, value) {
      const element = part ? $(id).querySelector(part) : $(id);
      if (value) element.setAttribute(name, value); else element.removeAttribute(name);
    },
    setDocument(language, title) {
      document.documentElement.lang = language;
      document.title = title;
    },
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
    focusedId() { return document.activeElement?.id ?? ""; },
    definePicture(key, width, height, rgba, scale) {
      const canvas = document.createElement("canvas");
      canvas.width = width;
      canvas.height = height;
      canvas.getContext("2d").putImageData(
        new ImageData(new Uint8ClampedArray(rgba.buffer), width, height), 0, 0);
      pictures.set(key, {canvas, scale});
    },
    // Drawn into the box's canvas, which is sized in device pixels; on the
    // page it keeps the picture's size at 96 dpi.
    showPicture(id, key) {
      const element = $(id);
      const canvas = element.tagName === "CANVAS" ? element : element.querySelector("canvas");
      const {canvas: picture, scale} = pictures.get(key);
      canvas.dataset.key = key;  // drawn again when the screen's density changes
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
    },
    showModal(id) {
      const dialog = $(id);
      dialog.style.margin = "";
      dialog.showModal();
      alignWindow(dialog);
      snapPictures(dialog);
    },
    closeWindow(id) {
      const element = $(id);
      if (element.tagName === "DIALOG") element.close(); else element.hidden = true;
    },
    windowPlacement(id) {
      const box = $(id).getBoundingClientRect();
      return [box.left, box.top, box.width, box.height];
    },
    openMenu(id) { menuBar.open($(id)); },
    openMenuId() { return menuBar.openId(); },
    closeMenus() { menuBar.close(); },
    openMessage(text, title, yesNo, icon) { messageBox.open(text, title, yesNo, icon); },
    nextMessageEvent() { return messageBox.next(); },
    closeMessage() { messageBox.close(); },
    openHelp(path) { return Boolean(window.open(path + "#contents", "_blank")); },
    // Numbers only: a timer may go off while a message box keeps the game waiting.
    setTimer(timer, milliseconds) {
      clearInterval(timers.get(timer));
      timers.delete(timer);
      if (milliseconds > 0) timers.set(timer, setInterval(() => game._tenebrix_timer(timer), milliseconds));
    },
    saveSetting(application, section, key, value) {
      try {
        localStorage.setItem(`${application}/${section}/${key}`, value);
        return true;
      } catch (error) {
        return false;  // storage switched off or full
      }
    },
    decimalSeparator() {
      return new Intl.NumberFormat().formatToParts(1.5).find((part) => part.type === "decimal")?.value ?? ".";
    },
    localTime() {
      const now = new Date();
      return [now.getFullYear(), now.getMonth() + 1, now.getDate(), now.getHours(), now.getMinutes(),
              now.getSeconds(), now.getMilliseconds()];
    },
    shortDate(year, month, day, hour, minute, second) {
      return new Date(year, month - 1, day, hour, minute, second).toLocaleDateString(undefined, { dateStyle: "short" });
    },
    shortTime(year, month, day, hour, minute, second) {
      return new Date(year, month - 1, day, hour, minute, second).toLocaleTimeString(undefined, { timeStyle: "short" });
    },
    shortTimeShowsSeconds() {
      return new Intl.DateTimeFormat(undefined, { timeStyle: "short" }).formatToParts(new Date())
        .some((part) => part.type === "second");
    },
    // The catalogue's address once the player's language is loaded; empty
    // for English.
    languageLoaded: new Promise((resolve) => { languageLoaded = resolve; }),
    // A tab the player opened stays open whatever the page asks: then the
    // page says that the game has ended.
    exit() {
      window.close();
      for (const shown of document.querySelectorAll(".desktop > .window")) shown.hidden = true;
      $("gameEnded").hidden = false;
      $("playAgain").focus();
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
    if (ratio === Math.floor(ratio)) {  // whole pixels already
      for (const canvas of root.querySelectorAll("canvas.picture[data-shift]")) {
        delete canvas.dataset.shift;
        canvas.style.transform = "";
      }
      return;
    }
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

  function realignWindows() {
    for (const shown of document.querySelectorAll(".desktop > .window:not([hidden]), dialog[open]")) {
      if (shown.tagName === "DIALOG") shown.style.margin = "";
      alignWindow(shown);
    }
    snapPictures(document.body);
  }

  // A zoom or another screen changes the ratio: the game draws its pictures
  // again if it wants another scale for it, and every picture is shown
  // again at its new size in device pixels. Another screen tells through
  // the ratio's media query, a zoom through a resize as well.
  let ratioQuery = null;
  function watchRatio() {
    ratioQuery?.removeEventListener("change", followRatio);
    ratioQuery = matchMedia(`(resolution: ${ratio}dppx)`);
    ratioQuery.addEventListener("change", followRatio);
  }
  function followRatio() {
    const now = window.devicePixelRatio || 1;
    if (now !== ratio) {
      ratio = now;
      game?._tenebrix_device_ratio(ratio);
      for (const canvas of document.querySelectorAll("canvas[data-key]")) {
        const key = /^\d+$/.test(canvas.dataset.key) ? Number(canvas.dataset.key) : canvas.dataset.key;
        if (pictures.has(key)) page.showPicture(nameOf(canvas), key);
      }
      watchRatio();
    }
    realignWindows();
  }
  window.addEventListener("resize", followRatio);
  watchRatio();

  // --- Message box: each click and key on it goes to the game ------------

  const messageBox = {
    events: [],
    waiting: null,
    open(text, title, yesNo, icon) {
      busy = true;
      $("msgTitle").textContent = title;
      $("msgText").textContent = text.replace(/\r\n/g, "\n");
      $("msgIcon").hidden = !icon;
      $("msgOK").hidden = yesNo;
      $("msgYes").hidden = !yesNo;
      $("msgNo").hidden = !yesNo;
      this.events = [];
      $("msgBox").showModal();
      $(yesNo ? "msgYes" : "msgOK").focus();
    },
    next() {
      return new Promise((resolve) => {
        this.waiting = resolve;
        this.deliver();
      });
    },
    deliver() {
      if (!this.waiting || !this.events.length) return;
      const resolve = this.waiting;
      this.waiting = null;
      resolve(this.events.shift());
    },
    report(event) {
      this.events.push(event);
      this.deliver();
    },
    close() {
      $("msgBox").close();
      busy = false;
    },
  };

  function wireMessageBox() {
    const dialog = $("msgBox");
    for (const id of ["msgOK", "msgYes", "msgNo"])
      $(id).addEventListener("click", () => messageBox.report({ kind: "click", element: id }));
    // Tab moves between the buttons; every other key is the game's.
    dialog.addEventListener("keydown", (event) => {
      if (event.key === "Tab") return;
      event.preventDefault();
      event.stopPropagation();
      messageBox.report({ kind: "key", element: nameOf(document.activeElement), key: event.key, code: event.code,
                          altKey: event.altKey,
                          ctrlKey: event.ctrlKey, shiftKey: event.shiftKey, repeat: event.repeat });
    });
    // The box closes only when the game has its answer.
    dialog.addEventListener("cancel", (event) => event.preventDefault());
  }

  // --- The player's input -------------------------------------------------

  function wireWindows() {
    const client = $("clientArea");
    // The pointer over the game window: the game decides what it does to
    // the move preview.
    client.addEventListener("mousemove", (event) => call("tenebrix_pointer", nameOf(event.target), 0));
    client.addEventListener("mouseup", (event) => call("tenebrix_pointer", nameOf(event.target), 1));
    const about = $("frmAbout");
    for (const area of [client, about.querySelector(".client")]) {
      area.addEventListener("click", (event) => {
        if (event.target.closest("button")) call("tenebrix_click", nameOf(event.target));
      });
    }
    // The tile in focus is the board's stop in the tab chain.
    for (const tile of document.querySelectorAll("button.tile")) {
      tile.addEventListener("focus", () => {
        for (const other of document.querySelectorAll("button.tile")) other.tabIndex = other === tile ? 0 : -1;
      });
    }
    about.querySelector(".closebox").addEventListener("click", () => call("tenebrix_close_request", about.id));
    about.addEventListener("cancel", (event) => {
      event.preventDefault();
      call("tenebrix_close_request", about.id);
    });
    document.addEventListener("keydown", (event) => {
      if (busy || event.isComposing) return;
      const taken = call("tenebrix_key_down", event.key, event.code, event.altKey ? 1 : 0, event.ctrlKey ? 1 : 0,
                         event.shiftKey ? 1 : 0, event.repeat ? 1 : 0);
      if (taken) event.preventDefault();
    });
    // Leaving the page closes the game window, which writes its place.
    window.addEventListener("pagehide", () => game?._tenebrix_unload());
    $("playAgain").addEventListener("click", () => location.reload());
  }

  // --- Start ----------------------------------------------------------------------

  // The player's language: the game picks its catalogue from the
  // browser's languages (a "lang" in the address first, for trying one
  // out) and the page fetches that one file; English needs none. Without
  // it, on any failure, the game speaks English. The catalogue's address
  // once it is in use, else empty.
  function cataloguePath(module) {
    const asked = [new URLSearchParams(location.search).get("lang"), ...(navigator.languages ?? [])];
    return module.ccall("tenebrix_catalogue_path", "string", ["string"], [asked.filter(Boolean).join(",")]);
  }
  async function loadCatalogue(module, path) {
    try {
      const response = await fetch(path);
      if (!response.ok) return "";
      const bytes = new Uint8Array(await response.arrayBuffer());
      return module.ccall("tenebrix_use_catalogue", "number", ["array", "number"], [bytes, bytes.length]) ? path : "";
    } catch (error) {  // offline with nothing kept, or blocked: English
      return "";
    }
  }
  // English starts at once; another language once its catalogue is in.
  function startInLanguage(module) {
    const path = cataloguePath(module);
    const started = (loaded) => {
      languageLoaded(loaded);
      start(module);
    };
    if (path) loadCatalogue(module, path).then(started); else started("");
  }

  function start(module) {
    performance.mark("tenebrix-loaded");  // the program compiled and running
    game = module;
    for (const bar of document.querySelectorAll(".scrollbar")) {
      scrollBars.set(bar.id, tenebrixScrollBar(bar, (request, thumbAt = 0) =>
        call("tenebrix_scroll", bar.id, request, thumbAt), () => busy));
    }
    menuBar = tenebrixMenuBar((item) => call("tenebrix_menu_item", item));
    wireWindows();
    wireMessageBox();
    game._tenebrix_start(ratio);
    if (!performance.getEntriesByName("tenebrix-splash").length)
      performance.mark("tenebrix-splash");  // the splash with its first logo frame
    // The game window's pictures once the splash is on the screen.
    requestAnimationFrame(() => setTimeout(() => game._tenebrix_prepare_pictures(), 0));
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
        if (game || !$("noProgram").hidden) return;  // the program has drawn it already, or cannot
        // One device pixel a pixel: drawn nearest pixel at any ratio.
        const key = "early:" + canvas.parentElement.id;
        pictures.set(key, {canvas: image, scale: 1});
        page.showPicture(canvas.parentElement.id, key);
        page.showWindow(canvas.closest(".window").id);
        performance.mark("tenebrix-splash");  // the splash with its first logo frame
      }, () => {});  // not decoded: the program draws it
    }
  }

  // The program did not load or cannot run (blocked, WebAssembly switched
  // off or unknown to the browser): the page says so instead of showing the
  // splash for ever.
  function cannotStart() {
    for (const shown of document.querySelectorAll(".desktop > .window")) shown.hidden = true;
    $("noProgram").hidden = false;
  }

  showEarlyPictures();
  try {
    TenebrixModule().then(startInLanguage, (error) => {
      languageLoaded("");
      cannotStart(error);
    });
  } catch (error) {  // no WebAssembly at all, or no program script
    languageLoaded("");
    cannotStart();
  }
  return page;
})();
