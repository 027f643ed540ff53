// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures for the browser tests: PNG screenshots and gallery files read into RGBA pixels, and
// the few measures the tests take of them.

import zlib from 'node:zlib';

// An 8-bit, non-interlaced RGB or RGBA PNG (what Chromium and the gallery write), as
// { width, height, data } with four bytes a pixel.
export function readPng(buffer) {
  let offset = 8;
  let header = null;
  const compressed = [];
  while (offset < buffer.length) {
    const length = buffer.readUInt32BE(offset);
    const type = buffer.toString('latin1', offset + 4, offset + 8);
    const chunk = buffer.subarray(offset + 8, offset + 8 + length);
    if (type === 'IHDR') {
      header = { width: chunk.readUInt32BE(0), height: chunk.readUInt32BE(4), depth: chunk[8],
                 colourType: chunk[9], interlace: chunk[12] };
    } else if (type === 'IDAT') {
      compressed.push(chunk);
    }
    offset += 12 + length;
  }
  const channels = { 2: 3, 6: 4 }[header.colourType];
  if (header.depth !== 8 || !channels || header.interlace !== 0) {
    throw new Error(`unsupported PNG: ${JSON.stringify(header)}`);
  }
  const raw = zlib.inflateSync(Buffer.concat(compressed));
  const { width, height } = header;
  const stride = width * channels;
  const rows = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let x = 0; x < stride; ++x) {
      const left = x >= channels ? rows[y * stride + x - channels] : 0;
      const up = y > 0 ? rows[(y - 1) * stride + x] : 0;
      const upLeft = x >= channels && y > 0 ? rows[(y - 1) * stride + x - channels] : 0;
      let value = line[x];
      if (filter === 1) value += left;
      else if (filter === 2) value += up;
      else if (filter === 3) value += (left + up) >> 1;
      else if (filter === 4) {
        const p = left + up - upLeft;
        const [pa, pb, pc] = [Math.abs(p - left), Math.abs(p - up), Math.abs(p - upLeft)];
        value += pa <= pb && pa <= pc ? left : pb <= pc ? up : upLeft;
      }
      rows[y * stride + x] = value & 0xff;
    }
  }
  const data = new Uint8Array(width * height * 4);
  for (let i = 0; i < width * height; ++i) {
    for (let c = 0; c < 3; ++c) data[i * 4 + c] = rows[i * channels + c];
    data[i * 4 + 3] = channels === 4 ? rows[i * channels + 3] : 255;
  }
  return { width, height, data };
}

export function pixelAt(picture, x, y) {
  const i = (y * picture.width + x) * 4;
  return [picture.data[i], picture.data[i + 1], picture.data[i + 2]];
}

// The smallest box around the pixels of `rect` that `isInk([r, g, b])` takes, or null.
export function inkBox(picture, rect, isInk) {
  let box = null;
  for (let y = rect.y; y < rect.y + rect.height; ++y) {
    for (let x = rect.x; x < rect.x + rect.width; ++x) {
      if (isInk(pixelAt(picture, x, y))) {
        box = box ?? { left: x, top: y, right: x, bottom: y };
        box.left = Math.min(box.left, x);
        box.right = Math.max(box.right, x);
        box.top = Math.min(box.top, y);
        box.bottom = Math.max(box.bottom, y);
      }
    }
  }
  return box && { x: box.left, y: box.top, width: box.right - box.left + 1,
                  height: box.bottom - box.top + 1 };
}

// How many pixels of `rect` `isInk` takes.
export function inkCount(picture, rect, isInk) {
  let count = 0;
  for (let y = rect.y; y < rect.y + rect.height; ++y) {
    for (let x = rect.x; x < rect.x + rect.width; ++x) {
      count += isInk(pixelAt(picture, x, y)) ? 1 : 0;
    }
  }
  return count;
}

export const near = (colour, tolerance = 60) => (pixel) =>
  pixel.every((value, c) => Math.abs(value - colour[c]) <= tolerance);

// The ink inside `box`, scaled to a grid of `columns` x `rows` cells that are on where at least
// half of their pixels are ink: a glyph's shape, whatever its size and place.
export function shapeOf(picture, box, isInk, columns = 16, rows = 24) {
  const cells = [];
  for (let row = 0; row < rows; ++row) {
    for (let column = 0; column < columns; ++column) {
      const x0 = box.x + Math.floor((column * box.width) / columns);
      const x1 = box.x + Math.max(Math.floor(((column + 1) * box.width) / columns), x0 - box.x + 1);
      const y0 = box.y + Math.floor((row * box.height) / rows);
      const y1 = box.y + Math.max(Math.floor(((row + 1) * box.height) / rows), y0 - box.y + 1);
      const count = inkCount(picture, { x: x0, y: y0, width: x1 - x0, height: y1 - y0 }, isInk);
      cells.push(count * 2 >= (x1 - x0) * (y1 - y0));
    }
  }
  return { cells, aspect: box.width / box.height };
}

// 0 for the same shape, up to 1: the share of cells that differ, plus the difference of the
// boxes' proportions.
export function shapeDistance(a, b) {
  const differing = a.cells.reduce((sum, cell, i) => sum + (cell !== b.cells[i] ? 1 : 0), 0);
  return differing / a.cells.length + Math.abs(Math.log(a.aspect / b.aspect)) / 2;
}

// Compares `actual` at (x, y) with the whole of `expected`: the share of pixels, outside the
// masked rectangles of `expected`, whose colour differs in some channel by more than
// `threshold`.
export function differingShare(actual, x, y, expected, { masks = [], threshold = 64 } = {}) {
  let compared = 0;
  let differing = 0;
  for (let ey = 0; ey < expected.height; ++ey) {
    for (let ex = 0; ex < expected.width; ++ex) {
      if (masks.some((m) => ex >= m.x && ex < m.x + m.width && ey >= m.y && ey < m.y + m.height)) {
        continue;
      }
      const a = pixelAt(actual, x + ex, y + ey);
      const e = pixelAt(expected, ex, ey);
      compared += 1;
      differing += a.some((value, c) => Math.abs(value - e[c]) > threshold) ? 1 : 0;
    }
  }
  return differing / compared;
}
