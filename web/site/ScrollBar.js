// SPDX-License-Identifier: GPL-3.0-or-later
// A horizontal scroll bar as on the desktop: the arrows step, the track
// pages towards the pointer, both repeating while held; the thumb follows a
// drag and sets the value where it is let go; the keys step and page.
// `onChange(value)` runs when the player has changed the value.
function tenebrixScrollBar(bar, onChange, isBusy) {
  const min = Number(bar.getAttribute("aria-valuemin"));
  const max = Number(bar.getAttribute("aria-valuemax"));
  const small = Number(bar.dataset.small);
  const large = Number(bar.dataset.large);
  const track = bar.querySelector(".track");
  const thumb = bar.querySelector(".thumb");
  let value = min;
  const room = () => track.clientWidth - thumb.offsetWidth;
  const self = {
    get value() { return value; },
    // Moves the thumb; the game is not told.
    show(newValue) {
      value = Math.min(max, Math.max(min, newValue));
      bar.setAttribute("aria-valuenow", String(value));
      thumb.style.left = (max > min ? Math.round((value - min) * room() / (max - min)) : 0) + "px";
    },
    // The player's change: the game's change reaction runs when it moved.
    change(newValue) {
      const before = value;
      self.show(newValue);
      if (value !== before) onChange(value);
    },
  };
  // Held arrows and track repeat, as on the desktop.
  function repeat(step, until) {
    step();
    let timer = setTimeout(function again() { if (!until()) { step(); timer = setTimeout(again, 50); } }, 350);
    const stop = () => { clearTimeout(timer); window.removeEventListener("pointerup", stop);
                         for (const a of bar.querySelectorAll(".pressed")) a.classList.remove("pressed"); };
    window.addEventListener("pointerup", stop);
  }
  bar.addEventListener("pointerdown", (event) => {
    if (isBusy() || event.button !== 0) return;
    event.preventDefault();
    bar.focus();
    const target = event.target;
    if (target.classList.contains("arrow")) {
      target.classList.add("pressed");
      const step = target.classList.contains("left") ? -small : small;
      repeat(() => self.change(value + step), () => false);
    } else if (target === thumb) {
      dragThumb(event);
    } else if (target === track) {
      const x = event.clientX;
      const towards = () => {
        const box = thumb.getBoundingClientRect();
        return x < box.left ? -1 : x >= box.right ? 1 : 0;
      };
      repeat(() => { const d = towards(); if (d) self.change(value + d * large); }, () => towards() === 0);
    }
  });
  // The thumb follows the pointer; the value changes when it is let go.
  function dragThumb(event) {
    thumb.classList.add("pressed");
    const startX = event.clientX;
    const startLeft = thumb.offsetLeft;
    let dropped = value;
    const move = (e) => {
      const left = Math.min(room(), Math.max(0, startLeft + e.clientX - startX));
      thumb.style.left = left + "px";
      dropped = room() > 0 ? min + Math.round(left * (max - min) / room()) : value;
    };
    const up = () => {
      window.removeEventListener("pointermove", move);
      window.removeEventListener("pointerup", up);
      thumb.classList.remove("pressed");
      self.show(value);  // back to its place if nothing changes
      self.change(dropped);
    };
    window.addEventListener("pointermove", move);
    window.addEventListener("pointerup", up);
  }
  bar.addEventListener("keydown", (event) => {
    const steps = { ArrowLeft: -small, ArrowUp: -small, ArrowRight: small, ArrowDown: small,
                    PageUp: -large, PageDown: large };
    if (event.altKey || event.ctrlKey || event.metaKey) return;
    if (event.key in steps) self.change(value + steps[event.key]);
    else if (event.key === "Home") self.change(min);
    else if (event.key === "End") self.change(max);
    else return;
    event.preventDefault();
  });
  self.show(min);
  return self;
}
