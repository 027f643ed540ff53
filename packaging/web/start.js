// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the program in the page. On the first visit the service worker is installed first, so
// that the program's files are downloaded once, into its cache; every later visit, with or
// without a network, starts from that cache.
'use strict';

(function () {
  const canvas = document.getElementById('screen');
  const status = document.getElementById('status');
  const statusText = document.getElementById('status-text');

  function say(text) {
    statusText.textContent = text;
    status.hidden = false;
  }

  // Resolves once the page's requests go through the service worker, or at once where there is
  // none (a browser without them, or a site served over plain HTTP from another machine).
  async function underServiceWorker() {
    if (!('serviceWorker' in navigator)) {
      return;
    }
    try {
      const registration = await navigator.serviceWorker.register('sw.js');
      if (navigator.serviceWorker.controller) {
        return;
      }
      const worker = registration.installing || registration.waiting || registration.active;
      await new Promise((resolve) => {
        navigator.serviceWorker.addEventListener('controllerchange', resolve, { once: true });
        if (worker) {
          worker.addEventListener('statechange', () => {
            if (worker.state === 'redundant') {
              resolve(); // the installation failed: load from the network
            }
          });
        }
      });
    } catch (error) {
      console.warn('No offline copy:', error);
    }
  }

  async function start() {
    await underServiceWorker();
    const loader = QtLoader({
      canvasElements: [canvas],
      // The program brings its own on-screen keyboard bridge: Qt's would compete with it.
      environment: { QT_IM_MODULE: 'none' },
      showLoader: () => say('جارٍ تحميل البرنامج…'),
      showError: () => say('تعذّر تشغيل البرنامج في هذا المتصفح: يحتاج إلى WebAssembly وWebGL.'),
      showExit: () => say('توقف البرنامج. أعد تحميل الصفحة لتشغيله من جديد.'),
      showCanvas: () => { status.hidden = true; },
    });
    loader.loadEmscriptenModule('placevalue');
  }

  start();
})();
