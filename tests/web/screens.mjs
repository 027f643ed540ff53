// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The screens as the browser tests see them: where their controls stand in the 800 x 600 area
// (from the design table, which the build writes beside the site as design.json, in logical
// pixels), and what a screenshot says about them: which digit is red and which digit it is,
// which verdict the feedback gives and which answer it names.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';

import { facesFolder, siteFolder } from './browser.mjs';
import { inkBox, near, pixelAt, shapeDistance, shapeOf } from './pictures.mjs';

const designFile = path.join(siteFolder, '..', 'design.json');
export const design = JSON.parse(fs.readFileSync(designFile, 'utf8'));
const windowOf = (screen) => design.windows.find((w) => w.screen === screen);

// Where a screen's window stands in the design area, the menu's window: centred, its corner
// rounded down to whole pixels.
export function cornerOf(screen) {
  const [area, window] = [windowOf(design.menu), windowOf(screen)];
  return { x: Math.floor((area.width - window.width) / 2),
           y: Math.floor((area.height - window.height) / 2) };
}
export const splashCorner = cornerOf(design.splash);

// The one control of `screen` with these values: its box in its window's pixels (as the gallery
// pictures show it) and the point a click on it lands on, in the design area.
function placed(screen, fields) {
  const found = design.controls.filter((c) => c.screen === screen &&
    Object.entries(fields).every(([field, value]) => c[field] === value));
  assert.equal(found.length, 1, `controls on ${screen} with ${JSON.stringify(fields)}`);
  const [{ box, centre }, corner] = [found[0], cornerOf(screen)];
  return { box: { x: box.left, y: box.top, width: box.width, height: box.height },
           point: [centre.x + corner.x, centre.y + corner.y] };
}
export const boxIn = (screen, fields) => placed(screen, fields).box;
const pointOf = (screen, fields) => placed(screen, fields).point;
// The band across the window where a label centred on it, as wide as its text, stands.
export const bandOf = (screen, fields) =>
  ({ ...boxIn(screen, fields), x: 0, width: windowOf(screen).width });

// Points to click, in the design area.
const { menu } = design;
export const at = {
  menuWrite: pointOf(menu, { click: 'Form2' }),
  menuChoose: pointOf(menu, { click: 'Form3' }),
  menuReading: pointOf(menu, { click: 'Form5' }),
  menuExit: pointOf(menu, { click: 'end' }),
  writeAnswerBox: pointOf('Form2', { kind: 'text box' }),
  writeButton: pointOf('Form2', { kind: 'button' }),
  writeReturn: pointOf('Form2', { click: menu }),
  chooseReturn: pointOf('Form3', { click: menu }),
  activityExit: pointOf('Form2', { click: 'end' }),
  readingNumber: pointOf('Form5', { name: 'Label1' }),
  readingReturn: pointOf('Form5', { click: menu }),
  readingExit: pointOf('Form5', { click: 'end' }),
};

// The three candidates of the choose exercise, each centred on its oval, by place.
const ovals = { tenths: 'Shape3', hundredths: 'Shape2', thousandths: 'Shape1' };
export const candidateOvals = Object.values(ovals).map((name) => boxIn('Form3', { name }));
export const candidate = Object.fromEntries(
  Object.entries(ovals).map(([place, name]) => [place, pointOf('Form3', { name })]));
export const places = { tenths: 10, hundredths: 100, thousandths: 1000 };

export const colours = {
  red: [255, 0, 0],
  feedback: [128, 128, 255],
  restingCandidate: [0, 0, 255],
  hoverCandidate: [192, 64, 0],
};

// The number of the exercises, the same on both: its whole part and a label for each decimal
// digit, all of one height; the row they make, from the whole part to the thousandths.
const digitLabels = Object.fromEntries(
  Object.entries({ tenths: 'Label3', hundredths: 'Label2', thousandths: 'Label1' })
    .map(([place, name]) => [place, boxIn('Form2', { name })]));
const [whole, last] = [boxIn('Form2', { name: 'Label4' }), digitLabels.thousandths];
export const numberRow = { ...whole, width: last.x + last.width - whole.x };
const feedbackRow = bandOf('Form2', { name: 'Label9' });

// The red digit: its ink box and its place, or null when no digit is red. More than one red
// cluster of ink in the row is reported as `several`.
export function redDigit(picture) {
  const box = inkBox(picture, numberRow, near(colours.red, 80));
  if (box === null) {
    return null;
  }
  const distance = (place) => Math.abs(box.x - digitLabels[place].x);
  const place = Object.keys(digitLabels).reduce((best, p) => (distance(p) < distance(best) ? p
    : best));
  return { box, place, several: box.width > digitLabels[place].width };
}

// 'right', 'wrong' or null (no feedback shown), from the width of the feedback's ink: the
// right-answer text is about a third of the wrong-answer text.
export function verdict(picture) {
  const box = feedbackBox(picture);
  return box === null ? null : box.width > 500 ? 'wrong' : 'right';
}

// The ink box of the feedback text, for reading the answer it names at its left end.
export function feedbackBox(picture) {
  return inkBox(picture, feedbackRow, near(colours.feedback, 60));
}

// The colour of each candidate's caption: 'resting', 'hover' or null.
export function candidateColours(picture) {
  const result = {};
  for (const [place, name] of Object.entries(ovals)) {
    const area = boxIn('Form3', { name });
    result[place] = inkBox(picture, area, near(colours.hoverCandidate, 50)) ? 'hover'
      : inkBox(picture, area, near(colours.restingCandidate, 50)) ? 'resting' : null;
  }
  return result;
}

// The text of a place value as the program writes it: 0.7, 0.07, 0.007.
export function placeValueText(digit, place) {
  return (digit / places[place]).toFixed(Math.log10(places[place]));
}

// Renders `texts` in a face of the drill (Amiri, which the screens' "Arabic Transparent" is
// drawn in) at `pixels` in the browser, each on black in `colour`, and returns their shapes: the
// references a screenshot's glyphs are read against.
export async function referenceShapes(browser, siteUrl, texts, pixels, bold, colour) {
  const page = await browser.newPage();
  try {
    await page.goto(`${siteUrl}test-faces/`);
    const face = bold ? 'Amiri-Bold.ttf' : 'Amiri-Regular.ttf';
    // Each text's ink alone comes back, its pixels as base64: some drivers carry no large arrays.
    const drawn = await page.evaluate(async ({ texts, pixels, face, colour }) => {
      document.fonts.add(await new FontFace('Reference', `url(/test-faces/${face})`).load());
      const canvas = document.createElement('canvas');
      canvas.width = pixels * 8;
      canvas.height = pixels * 2;
      const context = canvas.getContext('2d', { willReadFrequently: true });
      const isInk = (data, i) => [0, 1, 2].every((c) => Math.abs(data[i + c] - colour[c]) <= 80);
      return texts.map((text) => {
        context.fillStyle = '#000';
        context.fillRect(0, 0, canvas.width, canvas.height);
        context.fillStyle = `rgb(${colour.join(',')})`;
        context.font = `${pixels}px Reference`;
        context.textBaseline = 'middle';
        context.fillText(text, pixels / 2, pixels);
        const { data } = context.getImageData(0, 0, canvas.width, canvas.height);
        let [left, top, right, bottom] = [canvas.width, canvas.height, -1, -1];
        for (let y = 0; y < canvas.height; ++y) {
          for (let x = 0; x < canvas.width; ++x) {
            if (isInk(data, (y * canvas.width + x) * 4)) {
              [left, top] = [Math.min(left, x), Math.min(top, y)];
              [right, bottom] = [Math.max(right, x), Math.max(bottom, y)];
            }
          }
        }
        const ink = context.getImageData(left, top, right - left + 1, bottom - top + 1);
        let binary = '';
        for (let i = 0; i < ink.data.length; i += 0x8000) {
          binary += String.fromCharCode(...ink.data.subarray(i, i + 0x8000));
        }
        return { width: ink.width, height: ink.height, data: btoa(binary) };
      });
    }, { texts, pixels, face, colour });
    return drawn.map((ink) => {
      const picture = { ...ink, data: new Uint8Array(Buffer.from(ink.data, 'base64')) };
      const box = { x: 0, y: 0, width: picture.width, height: picture.height };
      return { shape: shapeOf(picture, box, near(colour, 80)), width: box.width };
    });
  } finally {
    await page.close();
  }
}

// Which of `references` (by name) the ink of `picture` matches best, with the margin to the next
// best: { name, distance, margin }. `inkOf(reference)` gives the box of ink to compare with it.
export function readShape(picture, isInk, references, inkOf) {
  const ranked = Object.entries(references)
    .map(([name, reference]) => {
      const box = inkOf(reference);
      const distance = box ? shapeDistance(shapeOf(picture, box, isInk), reference.shape) : 2;
      return { name, distance };
    })
    .sort((a, b) => a.distance - b.distance);
  return { ...ranked[0], margin: ranked[1].distance - ranked[0].distance };
}

// The digit the red digit shows, read against references of the ten digits.
export function readRedDigit(picture, red, digitReferences) {
  return readShape(picture, near(colours.red, 80), digitReferences, () => red.box);
}

// The answer a wrong-answer feedback names at its left end: 0.d, 0.0d or 0.00d. Its glyphs stand
// apart, the blank before the Arabic words is wider; the count of glyphs gives the place, the last
// one, read against references of the ten digits at the feedback's size, the digit.
export function readNamedAnswer(picture, digitReferences) {
  const text = feedbackBox(picture);
  const isInk = near(colours.feedback, 60);
  const kGap = 3; // blank columns between two glyphs of the number
  const kBlank = 16; // the blank before the words
  const glyphs = [];
  let blank = 0;
  for (let x = text.x; x < text.x + text.width && blank <= kBlank; ++x) {
    const ink = inkBox(picture, { x, y: text.y, width: 1, height: text.height }, isInk) !== null;
    if (ink && (glyphs.length === 0 || blank >= kGap)) {
      glyphs.push({ left: x, right: x });
    } else if (ink) {
      glyphs[glyphs.length - 1].right = x;
    }
    blank = ink ? 0 : blank + 1;
  }
  const last = glyphs[glyphs.length - 1];
  const digitBox = inkBox(picture, { x: last.left, y: text.y, width: last.right - last.left + 1,
                                     height: text.height }, isInk);
  const digit = readShape(picture, isInk, digitReferences, () => digitBox);
  const zeros = '0'.repeat(Math.max(0, glyphs.length - 3));
  return { text: `0.${zeros}${digit.name}`, glyphs: glyphs.length, digit };
}

// The part of a screen's black where its keypad may stand, in the design area.
export function keypadRoom(screen) {
  const [box, corner] = [boxIn(screen, { kind: 'keypad' }), cornerOf(screen)];
  return { ...box, x: box.x + corner.x, y: box.y + corner.y };
}

// The keys drawn in a rectangle of a picture: its separate patches of anything but black, each
// as its box, in reading order (rows from the top, left to right in a row).
export function keysIn(picture, rect) {
  const seen = new Uint8Array(rect.width * rect.height);
  const isKey = (x, y) => pixelAt(picture, rect.x + x, rect.y + y).some((value) => value > 60);
  const keys = [];
  for (let y = 0; y < rect.height; ++y) {
    for (let x = 0; x < rect.width; ++x) {
      if (seen[y * rect.width + x] || !isKey(x, y)) {
        continue;
      }
      const box = { left: x, top: y, right: x, bottom: y };
      const stack = [[x, y]];
      seen[y * rect.width + x] = 1;
      while (stack.length > 0) {
        const [px, py] = stack.pop();
        box.left = Math.min(box.left, px);
        box.right = Math.max(box.right, px);
        box.top = Math.min(box.top, py);
        box.bottom = Math.max(box.bottom, py);
        for (const [nx, ny] of [[px + 1, py], [px - 1, py], [px, py + 1], [px, py - 1]]) {
          if (nx >= 0 && ny >= 0 && nx < rect.width && ny < rect.height &&
              !seen[ny * rect.width + nx] && isKey(nx, ny)) {
            seen[ny * rect.width + nx] = 1;
            stack.push([nx, ny]);
          }
        }
      }
      keys.push({ x: rect.x + box.left, y: rect.y + box.top, width: box.right - box.left + 1,
                  height: box.bottom - box.top + 1 });
    }
  }
  // A key is one patch with all that lies on it: its caption's islands, a rim its frame cuts off.
  const overlap = (a, b) => a.x < b.x + b.width && b.x < a.x + a.width &&
                            a.y < b.y + b.height && b.y < a.y + a.height;
  for (let i = 0; i < keys.length; ++i) {
    for (let j = i + 1; j < keys.length; ++j) {
      if (overlap(keys[i], keys[j])) {
        const [a, b] = [keys[i], keys[j]];
        const x = Math.min(a.x, b.x);
        const y = Math.min(a.y, b.y);
        keys[i] = { x, y, width: Math.max(a.x + a.width, b.x + b.width) - x,
                    height: Math.max(a.y + a.height, b.y + b.height) - y };
        keys.splice(j, 1);
        j = i; // again from the grown box
      }
    }
  }
  const large = keys.filter((key) => key.width >= 8 && key.height >= 8); // not a stray pixel
  const rowTops = [];
  const rowOf = (key) => rowTops.find((top) => Math.abs(top - key.y) < key.height / 2) ?? key.y;
  large.forEach((key) => rowTops.push(rowOf(key)));
  return large.sort((a, b) => rowOf(a) - rowOf(b) || a.x - b.x);
}
