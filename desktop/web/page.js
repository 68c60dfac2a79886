'use strict';
// The page around the game's window: loads the program with a progress bar,
// places the window, starts the sound at the player's first press, turns
// touches into the mouse's presses, asks before a game is closed, and moves
// the top-players table in and out of the browser.
(() => {
  const element = (id) => document.getElementById(id);
  const screen = element('screen');
  const tableMessage = element('table-message');
  const tablePath = '/Vorn.nrz';
  // What the program's loader is given; once loaded it is the program too
  // (window.vorn, for whoever wants to look at the running game).
  const vorn = {};
  window.vorn = vorn;
  let started = false;

  function fail(text) {
    element('loading').hidden = true;
    screen.hidden = true;
    const failure = element('failure');
    failure.textContent = text;
    failure.hidden = false;
  }

  // ---- The window: its own size, centred, or scaled down to a small screen's width ----
  // Qt's screen is the element that holds the window, and Qt shows the main
  // window maximized on it, at its start: so the element has the window's
  // size from the start (the size the game gives its window), and the
  // window tells it again when shown. Qt scales the window itself, drawing
  // at the screen's density times the scale, so that a phone's dense screen
  // still gets the sharper pictures; a CSS transform would leave Qt a screen
  // smaller than its window.
  let windowSize = [448, 474];
  const margin = 16;
  const scale = Math.min(1, Math.floor(100 * (document.documentElement.clientWidth - margin) / windowSize[0]) / 100);
  function placeWindow() {
    const [width, height] = windowSize;
    screen.style.width = `${width * scale}px`;
    screen.style.height = `${height * scale}px`;
  }
  placeWindow();
  vorn.vornWindowShown = (width, height) => {
    windowSize = [width, height];
    element('loading').hidden = true;
    screen.classList.remove('waiting');
    placeWindow();
  };

  // ---- Sound: a browser lets a page sound only after a press on it ----
  function startSound() {
    try {
      vorn.vornAudio ??= new AudioContext();
    } catch (error) {
      return;  // no sound in this browser: the game plays silent
    }
    if (vorn.vornAudio.state !== 'running') vorn.vornAudio.resume().catch(() => {});
  }
  // A touch counts as such a press only when it ends.
  for (const type of ['pointerdown', 'pointerup', 'keydown']) window.addEventListener(type, startSound, {capture: true});

  // ---- Input: no context menu over the game; touch plays as the mouse ----
  screen.addEventListener('contextmenu', (event) => event.preventDefault(), {capture: true});
  const holdForRightPress = 500;
  let touch = null;  // the finger that plays: where it went down, and its hold
  function press(button) {
    const {target, x, y} = touch;
    for (const type of ['pointerdown', 'pointerup']) {
      target.dispatchEvent(new PointerEvent(type, {
        bubbles: true, cancelable: true, composed: true, pointerId: 1, pointerType: 'mouse', isPrimary: true,
        clientX: x, clientY: y, button, buttons: type === 'pointerdown' ? (button === 2 ? 2 : 1) : 0,
      }));
    }
  }
  function swallowTouch(event) {
    if (event.pointerType !== 'touch' || !event.isTrusted) return false;
    event.stopPropagation();
    event.preventDefault();
    return true;
  }
  screen.addEventListener('pointerdown', (event) => {
    if (!swallowTouch(event) || touch) return;
    // The element inside Qt's part of the page, where its listeners are.
    touch = {id: event.pointerId, target: event.composedPath()[0], x: event.clientX, y: event.clientY};
    touch.hold = setTimeout(() => {
      touch.hold = null;
      press(2);
    }, holdForRightPress);
  }, {capture: true});
  screen.addEventListener('pointerup', (event) => {
    if (!swallowTouch(event) || !touch || event.pointerId !== touch.id) return;
    if (touch.hold) {
      clearTimeout(touch.hold);
      press(0);
    }
    touch = null;
  }, {capture: true});
  screen.addEventListener('pointercancel', (event) => {
    if (!swallowTouch(event) || !touch || event.pointerId !== touch.id) return;
    clearTimeout(touch.hold);
    touch = null;
  }, {capture: true});
  for (const type of ['pointermove', 'pointerover', 'pointerenter', 'pointerout', 'pointerleave']) {
    screen.addEventListener(type, swallowTouch, {capture: true});
  }

  // ---- Closing: asked first while a game runs, as the window refuses then ----
  window.addEventListener('beforeunload', (event) => {
    if (started && vorn._vornGameRunning && vorn._vornGameRunning()) {
      event.preventDefault();
      event.returnValue = '';
    }
  });

  // ---- The table: out of the browser and back in ----
  element('download').addEventListener('click', () => {
    const bytes = vorn.vornFiles && vorn.vornFiles.read(tablePath);
    if (!bytes) {
      tableMessage.textContent = 'No table is kept in this browser yet.';
      return;
    }
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
    link.download = 'Vorn.nrz';
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
    tableMessage.textContent = '';
  });
  element('load').addEventListener('change', async (event) => {
    const file = event.target.files[0];
    event.target.value = '';
    if (!file) return;
    if (!started) {
      tableMessage.textContent = 'Wait until the game has loaded, then load the table again.';
      return;
    }
    const bytes = new Uint8Array(await file.arrayBuffer());
    const at = vorn._malloc(Math.max(bytes.length, 1));
    vorn.HEAPU8.set(bytes, at);
    const loaded = vorn._vornLoadTable(at, bytes.length);
    vorn._free(at);
    tableMessage.textContent = loaded > 0 ? `Loaded the table from ${file.name}.`
      : loaded === 0 ? `${file.name} is not a Vorn table; the table was left as it was.`
      : 'This browser keeps nothing for this page, so the table was left as it was.';
  });

  // ---- Loading, with the download's progress ----
  async function compile() {
    const response = await fetch('vorn.wasm');
    if (!response.ok) throw new Error(`vorn.wasm: ${response.status} ${response.statusText}`);
    const expected = Number(document.body.dataset.wasmBytes) || 0;
    const progress = element('progress');
    const parts = [];
    let received = 0;
    for (const reader = response.body.getReader();;) {
      const {done, value} = await reader.read();
      if (done) break;
      parts.push(value);
      received += value.length;
      if (expected) progress.value = Math.min(1, received / expected);
    }
    element('loading-text').textContent = 'Starting Vorn…';
    const bytes = new Uint8Array(received);
    let at = 0;
    for (const part of parts) {
      bytes.set(part, at);
      at += part.length;
    }
    return WebAssembly.compile(bytes);
  }

  async function load() {
    if (typeof WebAssembly !== 'object' || typeof createVorn !== 'function' || typeof qtLoad !== 'function') {
      fail('Vorn needs a browser that runs WebAssembly: any current Chrome, Edge, Firefox or Safari does.');
      return;
    }
    vorn.qt = {
      entryFunction: createVorn,
      containerElements: [screen],
      module: compile(),
      environment: scale < 1 ? {QT_SCALE_FACTOR: String(scale)} : {},
      onLoaded: () => { started = true; },
      onExit: (exit) => {
        started = false;
        fail(exit.crashed ? `Vorn stopped (${exit.text || 'an error'}). Reload the page to play again.`
                          : 'Vorn has ended. Reload the page to play again.');
      },
    };
    try {
      await qtLoad(vorn);
    } catch (error) {
      fail(`Vorn could not be loaded (${error.message || error}). Reload the page to try again.`);
    }
  }

  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  }
  window.addEventListener('load', load);
})();
