// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// What every browser test starts from: the site served on localhost and one of three browser
// engines, all Debian's, each driven by its npm package (engines/): Chromium, Firefox ESR or
// WebKitGTK, as WEB_ENGINE names it (chromium by default). The tests speak to every engine alike
// through the page this returns; what differs between engines stays in engines/.

import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

import { serveSite } from '../../scripts/serve-web.mjs';
import * as chromium from './engines/chromium.mjs';
import * as firefox from './engines/firefox.mjs';
import * as webkit from './engines/webkit.mjs';
import { readPng } from './pictures.mjs';

export const engines = { chromium, firefox, webkit };
export const engine = engines[process.env.WEB_ENGINE ?? 'chromium'];
if (!engine) {
  throw new Error(`no engine named ${process.env.WEB_ENGINE}`);
}

export const top = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const siteFolder = process.env.WEB_SITE ?? path.join(top, 'build-web/site');

// The Linux gallery (make screenshots) and the faces the screens are drawn in.
export function galleryPicture(name) {
  return readPng(fs.readFileSync(path.join(top, 'docs/screens', `${name}.png`)));
}
export const facesFolder = '/usr/share/fonts/opentype/fonts-hosny-amiri';

// Starts the server and a browser with a fresh profile of its own. `device`: the page's size in
// CSS pixels, device pixels to a CSS pixel, a touch screen, a phone's viewport settings and the
// language, by default an 800 x 600 desktop window in English; `encodings` limits the server's
// precompressed files (serve-web.mjs). A page of it: goto, reload, url, evaluate, screenshot (the
// view, in device pixels), mouseMove, mouseClick, tap, press, type, setViewport, close.
export async function startBrowser(device = {}, { encodings } = {}) {
  const site = await serveSite(siteFolder, { mounts: { '/test-faces/': facesFolder }, encodings });
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), `placevalue-${engine.name}-`));
  const full = { width: 800, height: 600, scale: 1, touch: false, mobile: false, locale: 'en-US',
                 ...device };
  try {
    const browser = await engine.launch(full, profile);
    return {
      site,
      profile,
      device: full,
      newPage: () => browser.newPage(),
      setOffline: (offline) => browser.setOffline(offline),
      devtools: browser.devtools,
      async close() {
        await browser.close();
        await site.close();
        fs.rmSync(profile, { recursive: true, force: true });
      },
    };
  } catch (error) {
    await site.close();
    throw error;
  }
}

export const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Evaluates `fn(arg)` in the page until it gives something true, and returns that; fails after
// `timeout` ms.
export async function waitFor(page, fn, arg, what, timeout = 20000) {
  const start = Date.now();
  for (;;) {
    const value = await page.evaluate(fn, arg).catch(() => undefined);
    if (value) {
      return value;
    }
    if (Date.now() - start > timeout) {
      throw new Error(`no ${what} after ${timeout} ms`);
    }
    await pause(20);
  }
}

// Milliseconds from the page's navigation to the program's first frame on the canvas (the mark
// the program leaves), once it is there.
export function firstFrame(page, timeout = 20000) {
  return waitFor(page, () => performance.getEntriesByName('placevalue-first-frame')[0]?.startTime,
                 null, 'first frame', timeout);
}

// What a pupil types on an on-screen keyboard: text that reaches the focused page field as its
// input events, not as key presses.
export function insertText(page, text) {
  return page.evaluate((typed) => {
    const field = document.activeElement;
    field.value += typed;
    field.dispatchEvent(new InputEvent('input', { data: typed, inputType: 'insertText',
                                                  bubbles: true }));
  }, text);
}
export function deleteBackward(page) {
  return page.evaluate(() => document.activeElement.dispatchEvent(
    new InputEvent('input', { inputType: 'deleteContentBackward', bubbles: true })));
}

// Where the design area stands in a view of that size, in CSS pixels, at a whole number of CSS
// pixels for each 4 x 3 logical ones: centred, or at the view's edge (`atEdge`: the program is
// worked by touch, or the device points with fingers) at the top of a taller view, on the right
// of a wider one, as the program places it in its logical pixels.
export function designAreaIn(width, height, atEdge = false) {
  const units = Math.max(1, Math.floor(Math.min(width / 4, height / 3)));
  const scale = units / 200;
  const free = [Math.ceil(width / scale) - 800, Math.ceil(height / scale) - 600];
  const beside = free[0] > free[1];
  const left = atEdge && beside ? free[0] : Math.floor(Math.max(0, free[0]) / 2);
  const top = atEdge && !beside ? 0 : Math.floor(Math.max(0, free[1]) / 2);
  return { left: left * scale, top: top * scale, width: 4 * units, height: 3 * units, scale };
}

// Whether the design area stands at the view's edge before the first touch: where the device's
// primary pointer is a finger.
export const pointsWithFingers = (page) =>
  page.evaluate(() => window.matchMedia('(pointer: coarse)').matches);

// A point of the design area (logical pixels) in the view's CSS pixels.
export function inView(area, [x, y]) {
  return [area.left + x * area.scale, area.top + y * area.scale];
}

// The view as a picture, in device pixels.
export async function viewPicture(page) {
  return readPng(await page.screenshot());
}

// The design area as an 800 x 600 picture, from the view at any size and density: each logical
// pixel takes the device pixel at its centre.
export async function shot(page, area = designAreaIn(800, 600)) {
  const view = await viewPicture(page);
  const density = view.width / (await page.evaluate(() => window.innerWidth));
  const data = new Uint8Array(800 * 600 * 4);
  for (let y = 0; y < 600; ++y) {
    const sy = Math.min(view.height - 1, Math.floor((area.top + (y + 0.5) * area.scale) * density));
    for (let x = 0; x < 800; ++x) {
      const sx = Math.min(view.width - 1,
                          Math.floor((area.left + (x + 0.5) * area.scale) * density));
      const from = (sy * view.width + sx) * 4;
      data.set(view.data.subarray(from, from + 4), (y * 800 + x) * 4);
    }
  }
  return { width: 800, height: 600, data };
}

// Takes pictures of the design area until `isThere(picture)` holds; fails after `timeout` ms.
export async function waitForScreen(page, isThere, what, timeout = 15000, area = undefined) {
  const start = Date.now();
  for (;;) {
    const picture = await shot(page, area);
    if (isThere(picture)) {
      return picture;
    }
    if (Date.now() - start > timeout) {
      throw new Error(`no ${what} after ${timeout} ms`);
    }
    await pause(50);
  }
}
