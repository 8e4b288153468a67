// SPDX-License-Identifier: GPL-3.0-or-later
// A horizontal scroll bar as on the desktop: pressing an arrow or the track
// asks the game for a step or a page towards the pointer, again and again
// while held; the thumb follows a drag and asks for the value where it is
// let go. `request(name, thumbAt)` asks; the game moves the thumb (show),
// and its keys come to the game with the window's.
function tenebrixScrollBar(bar, request, isBusy) {
  const min = Number(bar.getAttribute("aria-valuemin"));
  const max = Number(bar.getAttribute("aria-valuemax"));
  const track = bar.querySelector(".track");
  const thumb = bar.querySelector(".thumb");
  const room = () => track.clientWidth - thumb.offsetWidth;
  const self = {
    // Draws the thumb at the value the game gives.
    show(value) {
      bar.setAttribute("aria-valuenow", String(value));
      thumb.style.left = (max > min ? Math.round((value - min) * room() / (max - min)) : 0) + "px";
    },
  };
  // The pressed part keeps the pointer until it is let go. `end(released)`
  // runs once: released when the button or finger came up, not when the
  // browser took the pointer away (a touch turned into a gesture) or the
  // capture was lost some other way.
  function holdPointer(part, event, end) {
    part.setPointerCapture(event.pointerId);
    let ended = false;
    const finish = (released) => () => {
      if (ended) return;
      ended = true;
      for (const [type, listener] of listeners) part.removeEventListener(type, listener);
      if (part.hasPointerCapture(event.pointerId)) part.releasePointerCapture(event.pointerId);
      end(released);
    };
    const listeners = [["pointerup", finish(true)], ["pointercancel", finish(false)],
                       ["lostpointercapture", finish(false)]];
    for (const [type, listener] of listeners) part.addEventListener(type, listener);
  }
  // Held arrows and track repeat, as on the desktop, until the pointer is
  // let go or taken away.
  function repeat(part, event, step, until) {
    step();
    let timer = setTimeout(function again() { if (!until()) { step(); timer = setTimeout(again, 50); } }, 350);
    holdPointer(part, event, () => {
      clearTimeout(timer);
      for (const a of bar.querySelectorAll(".pressed")) a.classList.remove("pressed");
    });
  }
  bar.addEventListener("pointerdown", (event) => {
    if (isBusy() || event.button !== 0) return;
    event.preventDefault();
    bar.focus();
    const target = event.target;
    if (target.classList.contains("arrow")) {
      target.classList.add("pressed");
      const name = target.classList.contains("left") ? "LineLeft" : "LineRight";
      repeat(target, event, () => request(name), () => false);
    } else if (target === thumb) {
      dragThumb(event);
    } else if (target === track) {
      const x = event.clientX;
      const towards = () => {
        const box = thumb.getBoundingClientRect();
        return x < box.left ? -1 : x >= box.right ? 1 : 0;
      };
      repeat(track, event, () => { const d = towards(); if (d) request(d < 0 ? "PageLeft" : "PageRight"); },
             () => towards() === 0);
    }
  });
  // The thumb follows the pointer; where it is let go is the value asked
  // for. Taken away, it goes back to the value it had.
  function dragThumb(event) {
    thumb.classList.add("pressed");
    const startX = event.clientX;
    const startLeft = thumb.offsetLeft;
    let dropped = Number(bar.getAttribute("aria-valuenow"));
    const move = (e) => {
      const left = Math.min(room(), Math.max(0, startLeft + e.clientX - startX));
      thumb.style.left = left + "px";
      if (room() > 0) dropped = min + Math.round(left * (max - min) / room());
    };
    thumb.addEventListener("pointermove", move);
    holdPointer(thumb, event, (released) => {
      thumb.removeEventListener("pointermove", move);
      thumb.classList.remove("pressed");
      if (released) request("ThumbRelease", dropped); else self.show(Number(bar.getAttribute("aria-valuenow")));
    });
  }
  self.show(min);
  return self;
}
