// The page around the emulated Pocket PC. The device runs in tesselink.js / tesselink.wasm
// (the web build of emulator/frontend/web) on workers of its own; this script gives it the
// canvas, the panel, the event log and the browser's storage:
//  - the device calls `Module.page` to draw on the canvas and to show its status and log;
//  - the page calls the device through the exported `_tesselink_*` functions, which never
//    wait for it (but for the page's end);
//  - the device folder lives in IndexedDB (IDBFS, mounted at /device), loaded before the
//    device boots and stored after changes, when the device has ended and when the page
//    is hidden.
// `window.tesselink` lets tests and the console see what the page did.
'use strict';

(() => {
  const STORAGE = '/storage';  // the device folder is /storage/device (frontend/web/WebMain)
  const BODY = { width: 288, height: 466 };  // the body at zoom 1 (frontend/desktop/BodyLayout)
  const PANEL_WIDTH = 400;
  const SYNC_DELAY_MS = 1000;
  // desktop::DeviceButton
  const KEYS = { F1: 0, F2: 1, F3: 2, F4: 3, F5: 4, ArrowUp: 5, ArrowDown: 6, ArrowLeft: 7, ArrowRight: 8,
                 Enter: 9, NumpadEnter: 9, p: 10, P: 10 };
  const POINTER_DOWN = 0, POINTER_MOVE = 1, POINTER_UP = 2;

  const canvas = document.getElementById('device');
  const context = canvas.getContext('2d');
  const message = document.getElementById('message');
  const logList = document.getElementById('log');
  const params = new URLSearchParams(location.search);

  const state = {
    running: false,
    frames: 0,
    firstFrameAt: null,  // milliseconds since the page started loading
    lastFrameAt: null,
    inputsSent: 0,
    inputs: [],          // {kind, number, at, frameAt}: each input and the first frame that showed it
    screen: null,        // where the device's screen lies on the canvas
    zoom: 0,
    storeSize: 0,
    storedAt: null,      // when the device folder was last stored
    ended: null,         // a promise, once the device is ending
    unloaded: null,      // why the stored device could not be loaded
    error: null,
  };

  function showMessage(text) {
    message.textContent = text;
    message.hidden = false;
  }

  // ---- The canvas: drawn at a whole zoom, shown at the size that fits the viewport.

  function fittedWidth() {
    const beside = window.innerWidth >= BODY.width + PANEL_WIDTH + 40;
    const width = beside ? window.innerWidth - PANEL_WIDTH - 40 : window.innerWidth - 16;
    const height = window.innerHeight - 16;
    return Math.max(120, Math.min(width, height * BODY.width / BODY.height));
  }

  function zoomFor(cssWidth) {
    const pixels = cssWidth * (window.devicePixelRatio || 1);
    return Math.min(4, Math.max(1, Math.round(pixels / BODY.width)));
  }

  function fitCanvas() {
    const width = fittedWidth();
    canvas.style.width = `${width}px`;
    canvas.style.height = `${width * BODY.height / BODY.width}px`;
    const zoom = zoomFor(width);
    if (state.running && zoom !== state.zoom) Module._tesselink_zoom(zoom);
  }

  function canvasPoint(event) {
    const box = canvas.getBoundingClientRect();
    return [Math.floor((event.clientX - box.left) * canvas.width / box.width),
            Math.floor((event.clientY - box.top) * canvas.height / box.height)];
  }

  // ---- Storage: the device folder in IndexedDB.

  let syncing = Promise.resolve();
  let syncTimer = null;

  // Not when the stored device could not be loaded: the device running is then a fresh
  // one, which must not overwrite it.
  function store() {
    if (state.unloaded) return syncing;
    syncing = syncing.then(() => new Promise(resolve => {
      Module.FS.syncfs(false, error => {
        if (error) console.error('storing the device failed', error);
        else state.storedAt = performance.now();
        resolve();
      });
    }));
    return syncing;
  }

  // After the device changed something, once it has been quiet for a moment.
  function storeSoon() {
    if (!state.running) return;
    clearTimeout(syncTimer);
    syncTimer = setTimeout(store, SYNC_DELAY_MS);
  }

  // ---- What the device calls.

  const page = {
    setCanvas(width, height, screenX, screenY, screenWidth, screenHeight, zoom) {
      canvas.width = width;
      canvas.height = height;
      state.screen = { x: screenX, y: screenY, width: screenWidth, height: screenHeight };
      state.zoom = zoom;
    },
    draw(bytes, x, y, width, height) {
      context.putImageData(new ImageData(new Uint8ClampedArray(bytes.buffer), width, height), x, y);
    },
    frameShown(inputsHandled) {
      const now = performance.now();
      state.frames += 1;
      if (state.firstFrameAt === null) state.firstFrameAt = now;
      state.lastFrameAt = now;
      for (const input of state.inputs)
        if (input.frameAt === null && input.number <= inputsHandled) input.frameAt = now;
      storeSoon();
    },
    showStatus(battery, mains, memory, storage, storeSize) {
      state.storeSize = storeSize;
      showLevel('battery', battery <= 100 ? battery : null);
      document.getElementById('mains').checked = mains;
      document.getElementById('mains-value').textContent = mains ? 'on' : 'off';
      showLevel('memory', memory);
      showLevel('storage', storage);
    },
    addEvents(lines) {
      const atBottom = logList.scrollTop + logList.clientHeight >= logList.scrollHeight - 4;
      for (const line of lines) logList.append(logRow(line));
      while (logList.childElementCount > 1000) logList.firstElementChild.remove();
      if (atBottom) logList.scrollTop = logList.scrollHeight;
      storeSoon();
    },
    beep,
    deviceEnded(reset) {
      state.running = false;
      clearTimeout(syncTimer);
      const stored = store();
      stored.then(() => {
        if (reset) location.reload();
        else showMessage('The device is switched off and stored. Reload the page to start it again.');
      });
      state.resolveEnd?.(stored);
    },
    deviceFailed(error) {
      state.error = error;
      showMessage(`The device cannot start: ${error}`);
    },
  };

  // ---- The panel.

  const dragging = new Set();

  function levelText(id, percent) {
    if (percent === null) return 'unknown';
    if (id === 'storage') return `${(Math.floor(state.storeSize * percent / 100) / 1e6).toFixed(1)} MB`;
    return `${percent} %`;
  }

  function showLevel(id, percent) {
    if (dragging.has(id)) return;
    document.getElementById(id).value = percent ?? 0;
    document.getElementById(`${id}-value`).textContent = levelText(id, percent);
  }

  for (const slider of document.querySelectorAll('input[type=range]')) {
    slider.addEventListener('input', () => {
      dragging.add(slider.id);
      document.getElementById(`${slider.id}-value`).textContent = levelText(slider.id, Number(slider.value));
    });
    // The device gets the value when the slider is let go, as in the desktop window.
    slider.addEventListener('change', () => {
      dragging.delete(slider.id);
      if (state.running) Module._tesselink_set_level(Number(slider.dataset.slider), Number(slider.value));
    });
  }
  document.getElementById('mains').addEventListener('change', () => {
    if (state.running) Module._tesselink_toggle_mains();
  });

  function logRow(line) {
    const row = document.createElement('li');
    row.className = line.kind;
    const time = document.createElement('span');
    time.className = 'time';
    time.textContent = line.time;
    const text = document.createElement('span');
    const name = document.createElement('span');
    name.className = 'name';
    name.textContent = line.name;
    const details = document.createElement('span');
    details.className = 'details';
    details.textContent = line.details;
    text.append(name, details);
    row.append(time, text);
    return row;
  }

  // The audio context runs only while a beep sounds: a running one keeps the browser's
  // audio thread busy even in silence.
  let audio = null;
  function beep() {
    try {
      audio ??= new AudioContext();
      audio.resume();
      const tone = audio.createOscillator();
      const volume = audio.createGain();
      const start = audio.currentTime;
      tone.frequency.value = 880;
      volume.gain.setValueAtTime(0, start);
      volume.gain.linearRampToValueAtTime(0.2, start + 0.012);
      volume.gain.linearRampToValueAtTime(0, start + 0.12);
      tone.connect(volume).connect(audio.destination);
      tone.onended = () => audio.suspend();
      tone.start(start);
      tone.stop(start + 0.12);
    } catch (error) {
      console.warn('no sound', error);
    }
  }

  // ---- The screen as a picture: the device's 240 x 320 pixels, cut from the canvas.

  function screenPicture() {
    const { x, y, width, height } = state.screen;
    const zoom = state.zoom;
    const shown = context.getImageData(x, y, width, height).data;
    const picture = new ImageData(width / zoom, height / zoom);
    for (let row = 0; row < picture.height; row++)
      for (let column = 0; column < picture.width; column++) {
        const from = ((row * zoom) * width + column * zoom) * 4;
        picture.data.set(shown.subarray(from, from + 4), (row * picture.width + column) * 4);
      }
    const out = document.createElement('canvas');
    out.width = picture.width;
    out.height = picture.height;
    out.getContext('2d').putImageData(picture, 0, 0);
    return out;
  }

  document.getElementById('screenshot').addEventListener('click', () => {
    if (!state.screen) return;
    screenPicture().toBlob(blob => {
      const link = document.createElement('a');
      link.href = URL.createObjectURL(blob);
      link.download = 'tesselink-screen.png';
      link.click();
      setTimeout(() => URL.revokeObjectURL(link.href), 1000);
    }, 'image/png');
  });

  // ---- Ending the device.

  // Ends the device in order (or, for a reset, at once with the built-in image restored);
  // resolves once the device folder is stored.
  function endDevice(reset) {
    if (state.ended) return state.ended;
    if (!state.running) return Promise.resolve();
    state.ended = new Promise(resolve => { state.resolveEnd = resolve; });
    Module._tesselink_end(reset ? 1 : 0);
    for (const button of document.querySelectorAll('.actions button')) button.disabled = true;
    return state.ended;
  }

  document.getElementById('end').addEventListener('click', () => endDevice(false));
  document.getElementById('reset').addEventListener('click', () => {
    if (confirm('Restore the device to its built-in image? Its options, lists and registry are lost.'))
      endDevice(true);
  });

  // Closing the page ends the device in order, as closing the desktop window does. The
  // page cannot wait for it (the device's threads need the page's thread to write their
  // files), so the folder as it was when the page was hidden is what is sure to be kept.
  window.addEventListener('pagehide', () => {
    if (state.running && !state.ended) Module._tesselink_end(0);
  });
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'hidden' && state.running) store();
  });

  // ---- Input: the pointer on the canvas is the stylus or presses a button; keys.

  let stylus = null;  // the pointer that holds the canvas

  function input(kind, send) {
    if (!state.running) return;
    state.inputsSent += 1;
    state.inputs.push({ kind, number: state.inputsSent, at: performance.now(), frameAt: null });
    if (state.inputs.length > 100) state.inputs.shift();
    send();
  }

  canvas.addEventListener('pointerdown', event => {
    if (stylus !== null || event.button !== 0) return;
    stylus = event.pointerId;
    canvas.setPointerCapture(event.pointerId);
    canvas.focus();
    event.preventDefault();
    const [x, y] = canvasPoint(event);
    input('down', () => Module._tesselink_pointer(POINTER_DOWN, x, y));
  });
  canvas.addEventListener('pointermove', event => {
    if (event.pointerId !== stylus) return;
    const [x, y] = canvasPoint(event);
    input('move', () => Module._tesselink_pointer(POINTER_MOVE, x, y));
  });
  const release = event => {
    if (event.pointerId !== stylus) return;
    stylus = null;
    const [x, y] = canvasPoint(event);
    input('up', () => Module._tesselink_pointer(POINTER_UP, x, y));
  };
  canvas.addEventListener('pointerup', release);
  canvas.addEventListener('pointercancel', release);

  function keyButton(event) {
    if (event.target instanceof HTMLInputElement || event.target instanceof HTMLButtonElement) return undefined;
    if (event.ctrlKey || event.altKey || event.metaKey) return undefined;
    return KEYS[event.key];
  }
  window.addEventListener('keydown', event => {
    const button = keyButton(event);
    if (button === undefined) return;
    event.preventDefault();
    if (!event.repeat) input('key', () => Module._tesselink_button(button, 1));
  });
  window.addEventListener('keyup', event => {
    const button = keyButton(event);
    if (button === undefined) return;
    event.preventDefault();
    if (state.running) Module._tesselink_button(button, 0);
  });
  window.addEventListener('blur', () => { if (state.running) Module._tesselink_lost_focus(); });
  window.addEventListener('resize', fitCanvas);

  // ---- Starting the device.

  // ---- For tests and the console.

  // Where a pixel of the device's screen lies on the page, in CSS pixels: its centre.
  function screenPointOnPage(x, y) {
    const box = canvas.getBoundingClientRect();
    const zoom = state.zoom;
    return [box.left + (state.screen.x + x * zoom + zoom / 2) * box.width / canvas.width,
            box.top + (state.screen.y + y * zoom + zoom / 2) * box.height / canvas.height];
  }

  // How many pixels of the screen differ from the picture at `url` (a PNG of 240 x 320).
  async function differingPixels(url) {
    const image = new Image();
    image.src = url;
    await image.decode();
    const other = document.createElement('canvas');
    other.width = image.width;
    other.height = image.height;
    const otherContext = other.getContext('2d');
    otherContext.drawImage(image, 0, 0);
    const expected = otherContext.getImageData(0, 0, image.width, image.height).data;
    const shown = screenPicture();
    if (shown.width !== image.width || shown.height !== image.height) return shown.width * shown.height;
    const actual = shown.getContext('2d').getImageData(0, 0, shown.width, shown.height).data;
    let differing = 0;
    for (let i = 0; i < actual.length; i += 4)
      if (actual[i] !== expected[i] || actual[i + 1] !== expected[i + 1] || actual[i + 2] !== expected[i + 2])
        differing += 1;
    return differing;
  }

  // A file of the device folder as text, null when there is none.
  function readFile(path) {
    try {
      return Module.FS.readFile(path, { encoding: 'utf8' });
    } catch {
      return null;
    }
  }

  window.tesselink = { state, screenPicture, end: () => endDevice(false), store, screenPointOnPage,
                       differingPixels, readFile };

  if (!window.crossOriginIsolated) {
    showMessage('The device needs the page to be cross-origin isolated: serve it with scripts/serve-web.sh, ' +
                'which sends the Cross-Origin-Opener-Policy and Cross-Origin-Embedder-Policy headers.');
    return;
  }

  // One device folder, one device: a second page of the device in this browser would
  // store its device over the first one's, file by file. The browser's lock is held while
  // the page lives.
  navigator.locks.request('tesselink-device', { ifAvailable: true }, lock => {
    if (!lock) {
      showMessage('The device is already running in another tab or window of this browser; ' +
                  'only one may run at a time.');
      return undefined;
    }
    startDevice();
    return new Promise(() => {});
  });

  function startDevice() {
    fitCanvas();
    const args = ['--zoom', String(zoomFor(fittedWidth()))];
    if (params.get('clock') === 'virtual') args.push('--virtual-clock');

    window.Module = {
      page,
      arguments: args,
      preRun: [() => {
        Module.FS.mkdir(STORAGE);
        Module.FS.mount(Module.FS.filesystems.IDBFS, {}, STORAGE);
        Module.addRunDependency('device-folder');
        Module.FS.syncfs(true, error => {
          if (error) {
            state.unloaded = String(error);
            showMessage(`The device stored in this browser cannot be loaded (${error}): a fresh device runs, ` +
                        'and it is not stored.');
          }
          Module.removeRunDependency('device-folder');
        });
      }],
      onRuntimeInitialized() { state.running = true; },
      onAbort(what) {
        state.running = false;
        showMessage(`The device stopped: ${what}`);
      },
      print: text => console.log(text),
      printErr: text => console.warn(text),
    };
    const script = document.createElement('script');
    script.src = 'tesselink.js';
    document.body.append(script);
  }
})();
