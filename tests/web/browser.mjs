// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// What every browser test starts from: the site served on localhost, and Debian's Chromium,
// headless, driven by playwright-core (which downloads no browser of its own).

import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

import { serveSite } from '../../scripts/serve-web.mjs';
import { readPng } from './pictures.mjs';

export const top = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const siteFolder = process.env.WEB_SITE ?? path.join(top, 'build-web/site');

// The Linux gallery (make screenshots) and the faces the screens are drawn in.
export function galleryPicture(name) {
  return readPng(fs.readFileSync(path.join(top, 'docs/screens', `${name}.png`)));
}
export const facesFolder = '/usr/share/fonts/opentype/fonts-hosny-amiri';

// Starts the server and a browser with a fresh profile of its own, an 800 x 600 desktop window
// unless `device` says otherwise (Playwright's context options: viewport, deviceScaleFactor,
// isMobile, hasTouch); `encodings` limits the server's precompressed files (serve-web.mjs). Chromium reaches for no network of its own (this machine has none):
// updates, sync, background services off.
export async function startBrowser(device = {}, { encodings } = {}) {
  const site = await serveSite(siteFolder, { mounts: { '/test-faces/': facesFolder }, encodings });
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'placevalue-chromium-'));
  const args = ['--disable-gpu', '--disable-background-networking', '--disable-component-update',
                '--disable-sync', '--no-first-run', '--disable-quic'];
  if (process.getuid?.() === 0) {
    args.push('--no-sandbox');
  }
  const browser = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args,
    viewport: { width: 800, height: 600 },
    deviceScaleFactor: 1,
    locale: 'en-US',
    permissions: ['clipboard-read', 'clipboard-write'],
    ...device,
  });
  return {
    site,
    context: browser,
    profile,
    async close() {
      await browser.close();
      await site.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Milliseconds from the page's navigation to the program's first frame on the canvas (the mark
// the program leaves), once it is there.
export async function firstFrame(page, timeout = 20000) {
  const handle = await page.waitForFunction(
    () => performance.getEntriesByName('placevalue-first-frame')[0]?.startTime,
    null, { timeout, polling: 20 });
  return handle.jsonValue();
}

// A screenshot of the page's 800 x 600 area, as pixels.
export async function shot(page) {
  return readPng(await page.screenshot({ clip: { x: 0, y: 0, width: 800, height: 600 } }));
}

// Takes screenshots until `isThere(picture)` holds; fails after `timeout` ms.
export async function waitForScreen(page, isThere, what, timeout = 15000) {
  const start = Date.now();
  for (;;) {
    const picture = await shot(page);
    if (isThere(picture)) {
      return picture;
    }
    if (Date.now() - start > timeout) {
      throw new Error(`no ${what} after ${timeout} ms`);
    }
    await page.waitForTimeout(50);
  }
}
