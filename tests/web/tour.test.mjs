// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// A pupil's tour of the drill in the browser, as on a PC with a mouse and a keyboard: the first
// visit, every activity, the end, and a visit without a network. The screens are compared with the Linux gallery
// (docs/screens): at most 0.75 % of the pixels compared may differ by more than 64 (of 255) in
// a colour channel. That takes the small differences of anti-aliasing and of hinting: the
// browser's font engine hints the compiled-in faces otherwise than the Linux desktop, which sets
// a few small captions one pixel higher or lower (the splash screen's credits: 0.55 %). A whole
// screen moved by one pixel differs in 1 to 5 % of its pixels, another face in far more.

import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import {
  deleteBackward, firstFrame, galleryPicture, insertText, shot, startBrowser, waitFor,
  waitForScreen,
} from './browser.mjs';
import { differingShare } from './pictures.mjs';
import {
  at, candidate, candidateColours, candidateOvals, colours, numberRow, placeValueText,
  readNamedAnswer, referenceShapes, splashCorner,
} from './screens.mjs';
import {
  digitShapes, endedPageShown, question as questionOn, readingShown, screenShown, verdictShown,
} from './tours.mjs';

const kTolerance = 0.0075;
const kFirstVisitLimit = 5_000_000;

let browser;
let page;
let digits;
let feedbackDigits;

function assertLooksLike(picture, name, { x = 0, y = 0 } = {}, masks = []) {
  const share = differingShare(picture, x, y, galleryPicture(name), { masks });
  assert.ok(share <= kTolerance, `${name}: ${(share * 100).toFixed(2)} % of the pixels differ`);
}

const click = ([x, y]) => page.mouseClick(x, y);
const typeAnswer = async (text) => {
  await click(at.writeAnswerBox);
  await page.type(text);
};

before(async () => {
  browser = await startBrowser();
  page = await browser.newPage();
});

after(async () => {
  await browser?.close();
});

test('the first visit shows the splash screen, then the menu three seconds later', async () => {
  await page.goto(browser.site.url);
  const splashAt = await firstFrame(page);
  assertLooksLike(await shot(page), 'splash', splashCorner);
  await screenShown(page, undefined, 'menu');
  const menuAt = await page.evaluate(() => performance.now());
  // Three seconds after the splash screen was shown, which is a little before its first frame.
  const after = menuAt - splashAt;
  assert.ok(after > 2500 && after < 5000, `the menu came ${after} ms after the splash screen`);
});

test('a first visit transfers at most 5 MB, compressed, and leaves the site offline', async () => {
  await waitFor(page, () => navigator.serviceWorker.controller !== null, null, 'service worker');
  const bytes = browser.site.bytesSent();
  console.log(`first visit: ${bytes} bytes over the connection`);
  assert.ok(bytes <= kFirstVisitLimit, `${bytes} bytes`);
  const kept = await page.evaluate(async () =>
    (await (await caches.open((await caches.keys())[0])).keys()).map((r) => r.url));
  assert.ok(kept.some((url) => url.endsWith('/placevalue.wasm')), kept.join(' '));
  assert.ok(kept.some((url) => url.endsWith('/ended.html')), kept.join(' '));
});

test('the glyphs of the drill can be read off its screens', async () => {
  // The digits of the number and of the feedback (39.75 pt bold), as the browser draws them in
  // the same face.
  digits = (await digitShapes(browser)).western;
  const texts = [...'0123456789'];
  const drawn = await referenceShapes(browser, browser.site.url, texts, 53, true, colours.feedback);
  feedbackDigits = Object.fromEntries(texts.map((digit, i) => [digit, drawn[i]]));
});

// The question on the screen: the red digit's place and value.
const question = () => questionOn(page, undefined, digits);

test('the write exercise judges a right and a wrong answer', async () => {
  await click(at.menuWrite);
  const asked = await question();
  assertLooksLike(asked.picture, 'write-asking', {}, [numberRow]);
  await typeAnswer(placeValueText(asked.digit, asked.place));
  await click(at.writeButton);
  await verdictShown(page, undefined, 'right');

  const next = await question(); // three seconds later
  await typeAnswer(String(next.digit)); // the digit itself is never its place value
  await click(at.writeButton);
  const wrong = await verdictShown(page, undefined, 'wrong');
  const named = readNamedAnswer(wrong, feedbackDigits);
  assert.equal(named.text, placeValueText(next.digit, next.place), JSON.stringify(named));
});

test('the answer box takes what an on-screen keyboard types', async () => {
  const asked = await question();
  await click(at.writeAnswerBox);
  // The field that brings up a device's keyboard has the page's focus.
  assert.equal(await page.evaluate(() => document.activeElement.tagName), 'INPUT');
  const answer = placeValueText(asked.digit, asked.place);
  await insertText(page, `${answer}9`);
  await deleteBackward(page);
  await click(at.writeButton);
  await verdictShown(page, undefined, 'right');
  await click(at.writeReturn);
});

test('the choose exercise: the candidate under the pointer, a right and a wrong choice', async () => {
  await click(at.menuChoose);
  const asked = await question();
  assertLooksLike(asked.picture, 'choose-asking', {}, [numberRow, ...candidateOvals]);
  await page.mouseMove(...candidate.hundredths);
  await waitForScreen(page, (p) => candidateColours(p).hundredths === 'hover', 'hover colour');
  assert.deepEqual(candidateColours(await shot(page)),
                   { tenths: 'resting', hundredths: 'hover', thousandths: 'resting' });
  await click(candidate[asked.place]);
  await verdictShown(page, undefined, 'right');

  const next = await question();
  const wrongPlace = Object.keys(candidate).find((place) => place !== next.place);
  await click(candidate[wrongPlace]);
  const wrong = await verdictShown(page, undefined, 'wrong');
  const named = readNamedAnswer(wrong, feedbackDigits);
  assert.equal(named.text, placeValueText(next.digit, next.place), JSON.stringify(named));
  await click(at.chooseReturn);
});

test('the reading practice poses a new number on Enter', async () => {
  await click(at.menuReading);
  const first = await readingShown(page, undefined, kTolerance);
  for (let tries = 0; tries < 3; ++tries) {
    await page.press('Enter');
    if (differingShare(await shot(page), 0, 0, first) > 0.005) {
      return;
    }
  }
  assert.fail('Enter posed no new number');
});

test('the exit label ends the program: the ended page starts it again', async () => {
  await click(at.readingExit);
  await endedPageShown(page);
  assert.equal(await page.evaluate(() => document.querySelector('h1').textContent),
               'انتهى البرنامج');
  // Nothing of the program is left in the tab: neither its canvas nor its script.
  assert.equal(await page.evaluate(() => document.querySelector('canvas')), null);
  assert.equal(await page.evaluate(() => typeof QtLoader), 'undefined');
  const again = await page.evaluate(() => {
    const box = document.getElementById('again').getBoundingClientRect();
    return [box.left + box.width / 2, box.top + box.height / 2];
  });
  await page.mouseClick(...again);
  await firstFrame(page);
  assertLooksLike(await shot(page), 'splash', splashCorner);
});

test('with the network cut a reload starts the program from the service worker', async () => {
  await browser.site.close();
  await browser.setOffline(true);
  await page.reload();
  await firstFrame(page);
  assertLooksLike(await shot(page), 'splash', splashCorner);
  assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null));
});
