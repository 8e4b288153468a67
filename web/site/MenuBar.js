// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar: titles that drop their menus down on a click, or from the
// keyboard; `runCommand(number)` runs a chosen item's command.
function tenebrixMenuBar(runCommand) {
  const titles = () => [...document.querySelectorAll(".menutitle")];
  const openTitle = () => titles().find((t) => t.getAttribute("aria-expanded") === "true");
  const itemsOf = (title) => [...title.nextElementSibling.querySelectorAll(".item")];

  // The focus goes back where it was when the menu closes.
  let focusBeforeMenu = null;
  function openMenu(title, focusFirst) {
    if (!openTitle()) focusBeforeMenu = document.activeElement;
    closeMenus(false);
    title.setAttribute("aria-expanded", "true");
    title.nextElementSibling.hidden = false;
    title.focus();
    if (focusFirst) itemsOf(title)[0].focus();
  }
  function closeMenus(restoreFocus = true) {
    const wasOpen = openTitle();
    for (const title of titles()) {
      title.setAttribute("aria-expanded", "false");
      title.nextElementSibling.hidden = true;
    }
    if (wasOpen && restoreFocus && focusBeforeMenu?.isConnected) focusBeforeMenu.focus();
  }
  function choose(item) {
    closeMenus();
    runCommand(Number(item.dataset.command));
  }

  for (const title of titles()) {
    // A click on a menu title leaves the focus where it was.
    title.addEventListener("mousedown", (event) => event.preventDefault());
    title.addEventListener("click", () => {
      if (title === openTitle()) closeMenus(); else openMenu(title, false);
    });
    title.addEventListener("mouseenter", () => { if (openTitle() && openTitle() !== title) openMenu(title, false); });
  }
  for (const item of document.querySelectorAll(".popup .item")) {
    item.addEventListener("click", () => choose(item));
    item.addEventListener("mouseenter", () => item.focus());
  }
  document.addEventListener("pointerdown", (event) => {
    if (!event.target.closest(".menu")) closeMenus();
  });

  // Keys while a menu is open: arrows move, Enter chooses, a letter chooses
  // its item, Esc and Tab close. Returns whether the key was the menu's.
  function menuKey(event) {
    const title = openTitle();
    if (!title) return false;
    const items = itemsOf(title);
    const index = items.indexOf(document.activeElement);
    const all = titles();
    const here = all.indexOf(title);
    switch (event.key) {
      case "ArrowDown": (items[index + 1] || items[0]).focus(); break;
      case "ArrowUp": (items[index - 1] || items[items.length - 1]).focus(); break;
      case "ArrowRight": openMenu(all[(here + 1) % all.length], true); break;
      case "ArrowLeft": openMenu(all[(here + all.length - 1) % all.length], true); break;
      case "Escape": closeMenus(); break;
      case "Tab": closeMenus(); return false;
      case "Enter": case " ": if (index >= 0) choose(items[index]); break;
      default: {
        const item = items.find((i) => i.dataset.accesskey === event.key.toUpperCase());
        if (!item || event.ctrlKey) return false;
        choose(item);
      }
    }
    return true;
  }

  return {
    menuKey,
    choose,
    // Alt and a menu's letter, or F10 for the first menu.
    open(title) { openMenu(title || titles()[0], true); },
  };
}
