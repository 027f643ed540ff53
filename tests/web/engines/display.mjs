// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// An X server of a browser's own, on a free display, large enough for a classroom board's
// window: a browser with a display draws WebGL in software (Mesa), which Qt's browser platform
// needs and a headless Firefox lacks.

import { spawn } from 'node:child_process';

// Resolves to { display: ':N', close() } once the server is up.
export function startDisplay() {
  const server = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '2600x1800x24', '-nolisten',
                                'tcp'], { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  return new Promise((resolve, reject) => {
    server.stdio[3].once('data', (data) => resolve({
      display: `:${String(data).trim()}`,
      close: () => server.kill(),
    }));
    server.once('exit', (code) => reject(new Error(`Xvfb ended: ${code}`)));
  });
}
