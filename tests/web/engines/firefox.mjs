// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Debian's Firefox ESR, driven by puppeteer-core over WebDriver BiDi (no geckodriver, no browser
// of its own), on an X server of its own: a headless Firefox has no WebGL. Its touch events are
// switched on for a touch screen; its language is the device's; it reaches for no network of its
// own.

import puppeteer from 'puppeteer-core';

import { startDisplay } from './display.mjs';

export const name = 'firefox';
export const canTouch = true;

// 'Control+A': the modifiers held while the key is pressed.
async function press(keyboard, combination) {
  const keys = combination.split('+');
  const key = keys.pop();
  for (const modifier of keys) {
    await keyboard.down(modifier);
  }
  await keyboard.press(key);
  for (const modifier of keys.reverse()) {
    await keyboard.up(modifier);
  }
}

function wrap(page) {
  return {
    goto: (url) => page.goto(url),
    reload: () => page.reload(),
    url: () => page.url(),
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    screenshot: () => page.screenshot(),
    mouseMove: (x, y) => page.mouse.move(x, y),
    mouseClick: (x, y) => page.mouse.click(x, y),
    tap: (x, y) => page.touchscreen.tap(x, y),
    press: (key) => press(page.keyboard, key),
    type: (text) => page.keyboard.type(text),
    setViewport: async (width, height) => page.setViewport({ ...page.viewport(), width, height }),
    close: () => page.close(),
    raw: page,
  };
}

export async function launch(device, profile) {
  const screen = await startDisplay();
  const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: '/usr/bin/firefox-esr',
    headless: false,
    env: { ...process.env, DISPLAY: screen.display },
    userDataDir: profile,
    extraPrefsFirefox: {
      'intl.accept_languages': device.locale,
      'dom.w3c_touch_events.enabled': device.touch ? 1 : 0,
      'app.update.enabled': false,
      'browser.safebrowsing.update.enabled': false,
      'network.captive-portal-service.enabled': false,
      'network.connectivity-service.enabled': false,
    },
  }).catch((error) => {
    screen.close();
    throw error;
  });
  const pages = [];
  return {
    async newPage() {
      const page = await browser.newPage();
      await page.setViewport({ width: device.width, height: device.height,
                               deviceScaleFactor: device.scale, isMobile: device.mobile,
                               hasTouch: device.touch });
      page.on('pageerror', (error) => console.log(`page error: ${error.message}`));
      pages.push(page);
      return wrap(page);
    },
    async setOffline(offline) {
      for (const page of pages.filter((p) => !p.isClosed())) {
        await page.setOfflineMode(offline).catch(() => {}); // the server is gone all the same
      }
    },
    async close() {
      await browser.close();
      screen.close();
    },
  };
}
