// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Every control that reacts, by mouse, where it is drawn, in windows larger and smaller than the
// design: the menu's entries and exit, the answer box and the button, the three values of the
// choose exercise, and every activity's return and exit labels.

import { before, test } from 'node:test';

import { designAreaIn, inView, startBrowser } from './browser.mjs';
import { at, candidate, placeValueText } from './screens.mjs';
import {
  digitShapes, endedPageShown, question, readingShown, screenShown, verdictShown,
} from './tours.mjs';

let digits;

before(async () => {
  const browser = await startBrowser();
  try {
    digits = (await digitShapes(browser)).western;
  } finally {
    await browser.close();
  }
});

// Drawn at other sizes the screens differ from the gallery a little more at the edges.
const kTolerance = 0.05;

for (const [width, height] of [[1024, 768], [1920, 1080], [500, 400]]) {
  test(`every control reacts to the mouse in a ${width} x ${height} window`, async () => {
    const browser = await startBrowser({ width, height });
    const page = await browser.newPage();
    const area = designAreaIn(width, height);
    const click = (point) => page.mouseClick(...inView(area, point));
    const menuShown = () => screenShown(page, area, 'menu', { tolerance: kTolerance });
    try {
      await page.goto(browser.site.url);
      await menuShown();

      await click(at.menuWrite);
      const asked = await question(page, area, digits);
      await click(at.writeAnswerBox);
      await page.type(placeValueText(asked.digit, asked.place));
      await click(at.writeButton);
      await verdictShown(page, area, 'right');
      await click(at.writeReturn);
      await menuShown();

      await click(at.menuChoose);
      const choice = await question(page, area, digits);
      const [wrong, alsoWrong] = Object.keys(candidate).filter((p) => p !== choice.place);
      for (const [place, expected] of [[wrong, 'wrong'], [choice.place, 'right'],
                                       [alsoWrong, 'wrong']]) {
        await click(candidate[place]);
        await verdictShown(page, area, expected);
      }
      await click(at.chooseReturn);
      await menuShown();

      await click(at.menuReading);
      await readingShown(page, area, kTolerance);
      await click(at.readingReturn);
      await menuShown();

      // Each exit ends the program; the page is opened again after each.
      const exits = [
        [null, null, at.menuExit],
        [at.menuWrite, () => question(page, area, digits), at.activityExit],
        [at.menuChoose, () => question(page, area, digits), at.activityExit],
        [at.menuReading, () => readingShown(page, area, kTolerance), at.readingExit],
      ];
      for (const [entry, shown, exit] of exits) {
        if (entry !== null) {
          await click(entry);
          await shown();
        }
        await click(exit);
        await endedPageShown(page);
        await page.goto(browser.site.url);
        await menuShown();
      }
    } finally {
      await browser.close();
    }
  });
}
