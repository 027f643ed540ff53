// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Debian's Chromium, headless, driven by playwright-core (which downloads no browser of its own).
// It emulates a phone (its viewport settings, a touch screen) and reaches for no network of its
// own: updates, sync and background services are off.

import { chromium } from 'playwright-core';

export const name = 'chromium';
export const canTouch = true;

function wrap(page) {
  return {
    goto: (url) => page.goto(url),
    reload: () => page.reload(),
    url: () => page.url(),
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    screenshot: () => page.screenshot({ scale: 'device' }),
    mouseMove: (x, y) => page.mouse.move(x, y),
    mouseClick: (x, y) => page.mouse.click(x, y),
    tap: (x, y) => page.touchscreen.tap(x, y),
    press: (key) => page.keyboard.press(key),
    type: (text) => page.keyboard.type(text),
    setViewport: (width, height) => page.setViewportSize({ width, height }),
    close: () => page.close(),
    raw: page,
  };
}

// `device`: { width, height, scale, touch, mobile, locale }; `profile`: a fresh folder.
export async function launch(device, profile) {
  const args = ['--disable-gpu', '--disable-background-networking', '--disable-component-update',
                '--disable-sync', '--no-first-run', '--disable-quic'];
  if (process.getuid?.() === 0) {
    args.push('--no-sandbox');
  }
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args,
    viewport: { width: device.width, height: device.height },
    deviceScaleFactor: device.scale,
    isMobile: device.mobile,
    hasTouch: device.touch,
    locale: device.locale,
  });
  return {
    async newPage() {
      const page = await context.newPage();
      page.on('pageerror', (error) => console.log(`page error: ${error.message}`));
      return wrap(page);
    },
    setOffline: (offline) => context.setOffline(offline),
    close: () => context.close(),
    // The DevTools protocol of a page, for the memory the benchmark reads.
    devtools: (page) => context.newCDPSession(page.raw),
  };
}
