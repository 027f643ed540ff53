// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Debian's WebKitGTK, the engine family of Safari: its MiniBrowser driven through Debian's
// WebKitWebDriver by selenium-webdriver, on an X server of its own. The driver is a server this
// module starts, so selenium's own driver manager never runs (and would download nothing:
// SE_OFFLINE). WebKitGTK's WebDriver gives a touch pointer's actions as a mouse's: no touch here.
// A window's language is the device's (LANGUAGE); its scale a whole number (GDK_SCALE).

import { spawn } from 'node:child_process';
import net from 'node:net';

import selenium from 'selenium-webdriver';

import { startDisplay } from './display.mjs';

const { Builder, Key, Origin } = selenium;

export const name = 'webkit';
export const canTouch = false;

const kMiniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const kKeys = { Enter: Key.ENTER, Escape: Key.ESCAPE, Backspace: Key.BACK_SPACE,
                Control: Key.CONTROL, Shift: Key.SHIFT };

function freePort() {
  return new Promise((resolve) => {
    const probe = net.createServer().listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

async function waitForDriver(url, timeout = 10000) {
  const start = Date.now();
  for (;;) {
    try {
      if ((await fetch(`${url}status`)).ok) {
        return;
      }
    } catch {
      // not listening yet
    }
    if (Date.now() - start > timeout) {
      throw new Error('WebKitWebDriver did not start');
    }
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
}

export async function launch(device) {
  process.env.SE_OFFLINE = 'true';
  const { display, close: closeDisplay } = await startDisplay();
  const port = await freePort();
  const language = device.locale.replace('-', '_');
  const driverProcess = spawn('/usr/bin/WebKitWebDriver', [`--port=${port}`], {
    stdio: 'ignore',
    env: { ...process.env, DISPLAY: display, LANGUAGE: language, LANG: `${language}.UTF-8`,
           GDK_SCALE: String(Math.max(1, Math.round(device.scale))) },
  });
  const url = `http://127.0.0.1:${port}/`;
  await waitForDriver(url);
  const driver = await new Builder().usingServer(url).withCapabilities({
    browserName: 'MiniBrowser',
    'webkitgtk:browserOptions': { binary: kMiniBrowser, args: ['--automation'] },
  }).build();
  let current = await driver.getWindowHandle();
  const use = async (handle) => {
    if (handle !== current) {
      await driver.switchTo().window(handle);
      current = handle;
    }
  };
  // The window sized so that its page has the size asked for.
  const setViewport = async (handle, width, height) => {
    await use(handle);
    await driver.manage().window().setRect({ width, height });
    const [innerWidth, innerHeight] = await driver.executeScript(
      'return [window.innerWidth, window.innerHeight]');
    await driver.manage().window().setRect({ width: 2 * width - innerWidth,
                                             height: 2 * height - innerHeight });
  };
  const actions = () => driver.actions({ async: true });
  let spare = null; // a window no page has
  const wrap = (handle) => ({
    goto: async (address) => { await use(handle); await driver.get(address); },
    reload: async () => { await use(handle); await driver.navigate().refresh(); },
    url: async () => { await use(handle); return driver.getCurrentUrl(); },
    evaluate: async (fn, arg) => {
      await use(handle);
      return driver.executeScript(`return (${fn})(arguments[0]);`, arg);
    },
    screenshot: async () => { await use(handle); return Buffer.from(await driver.takeScreenshot(), 'base64'); },
    mouseMove: async (x, y) => {
      await use(handle);
      await actions().move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT }).perform();
    },
    mouseClick: async (x, y) => {
      await use(handle);
      await actions().move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT })
        .press().release().perform();
    },
    tap: () => { throw new Error('WebKitGTK cannot emulate touch'); },
    press: async (combination) => {
      await use(handle);
      const keys = combination.split('+').map((key) => kKeys[key] ?? key.toLowerCase());
      const key = keys.pop();
      let chain = actions();
      keys.forEach((modifier) => { chain = chain.keyDown(modifier); });
      chain = chain.sendKeys(key);
      keys.reverse().forEach((modifier) => { chain = chain.keyUp(modifier); });
      await chain.perform();
    },
    type: async (text) => { await use(handle); await actions().sendKeys(text).perform(); },
    setViewport: (width, height) => setViewport(handle, width, height),
    // The last window stays, blank, for the next page: closing it would end the session.
    close: async () => {
      await use(handle);
      if ((await driver.getAllWindowHandles()).length === 1) {
        await driver.get('about:blank');
        spare = handle;
        return;
      }
      await driver.close();
      current = (await driver.getAllWindowHandles())[0];
      await driver.switchTo().window(current);
    },
  });
  spare = current;
  return {
    async newPage() {
      let handle = spare;
      spare = null;
      if (handle === null) {
        await driver.switchTo().newWindow('window');
        current = handle = await driver.getWindowHandle();
      }
      await setViewport(handle, device.width, device.height);
      return wrap(handle);
    },
    async setOffline() {
      // WebDriver cannot cut the network: the tests close their server instead.
    },
    async close() {
      await driver.quit().catch(() => {});
      driverProcess.kill();
      closeDisplay();
    },
  };
}
