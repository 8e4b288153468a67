// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar: titles that drop their menus down on a click, the pointer
// moving from menu to menu while one is down; `chooseItem(id)` tells the
// game which item was chosen. The keys of an open menu are the game's.
function tenebrixMenuBar(chooseItem) {
  const titles = () => [...document.querySelectorAll(".menutitle")];
  const openTitle = () => titles().find((t) => t.getAttribute("aria-expanded") === "true");

  // The focus goes back where it was when the menus close.
  let focusBeforeMenu = null;
  function openMenu(title) {
    if (!openTitle()) focusBeforeMenu = document.activeElement;
    closeMenus(false);
    title.setAttribute("aria-expanded", "true");
    title.nextElementSibling.hidden = false;
    title.focus();
  }
  function closeMenus(restoreFocus = true) {
    const wasOpen = openTitle();
    for (const title of titles()) {
      title.setAttribute("aria-expanded", "false");
      title.nextElementSibling.hidden = true;
    }
    if (wasOpen && restoreFocus && focusBeforeMenu?.isConnected) focusBeforeMenu.focus();
  }

  for (const title of titles()) {
    // A click on a menu title leaves the focus where it was.
    title.addEventListener("mousedown", (event) => event.preventDefault());
    title.addEventListener("click", () => {
      if (title === openTitle()) closeMenus(); else openMenu(title);
    });
    title.addEventListener("mouseenter", () => { if (openTitle() && openTitle() !== title) openMenu(title); });
  }
  for (const item of document.querySelectorAll(".popup .item")) {
    item.addEventListener("click", () => { closeMenus(); chooseItem(item.id); });
    item.addEventListener("mouseenter", () => item.focus());
  }
  document.addEventListener("pointerdown", (event) => {
    if (!event.target.closest(".menu")) closeMenus();
  });

  return {
    open: openMenu,
    close: closeMenus,
    openId: () => openTitle()?.id ?? "",
  };
}
