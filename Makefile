# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# The two commands: `make run` and `make test`. Both install what is missing first.
MAKEFLAGS += --no-print-directory
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test screenshots lint clean package bench bench-sheets \
	orca-transcript

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/placevalue

# With RELIABILITY=1 (the default) the sanitizer suite and the short fuzz runs come first, so
# that the plain suite's summary closes the run.
test: build
ifneq ($(RELIABILITY),0)
	@$(MAKE) sanitize fuzz-smoke
endif
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Renders every screen to PNG under docs/screens (and the write exercise as Egyptian regional
# settings write its numbers, with and without touch), and the worksheets under docs/sheets.
screenshots: build
	@$(BUILD)/tests/render_screens docs/screens
	@$(BUILD)/tests/render_screens --locale ar_EG $(BUILD)/screens-ar_EG > /dev/null
	@cp $(BUILD)/screens-ar_EG/write-wrong.png docs/screens/write-wrong-ar_EG.png
	@cp $(BUILD)/screens-ar_EG/write-touch.png docs/screens/write-touch-ar_EG.png
	@QT_QPA_PLATFORM=offscreen $(BUILD)/tests/sheets/render_sheets docs/sheets

# The Debian package, into $(BUILD)/packages (see "Install" in README.md).
package: build
	@cd $(BUILD) && cpack -G DEB -B packages

clean:
	@rm -rf $(BUILD)

# clang-format and clang-tidy over the sources; fails on any finding.
lint: build
	@clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')
	@run-clang-tidy -p $(BUILD) -quiet "$$(pwd)/(src|tests|bench)/.*\.cpp" > $(BUILD)/clang-tidy.log 2>&1 \
		|| { grep -E "(warning|error):" $(BUILD)/clang-tidy.log; exit 1; }

# Reliability (run by `make test`; RELIABILITY=0 leaves them out of it): the whole suite built
# with AddressSanitizer and UndefinedBehaviorSanitizer, the fuzz targets for a set time, and the
# soak run of a million questions per activity.
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_SMOKE_SECONDS ?= 10
FUZZ_TARGETS := typed_number format_number
RELIABILITY ?= 1

.PHONY: sanitize fuzz-build fuzz fuzz-smoke soak

sanitize: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLACEVALUE_SANITIZE=ON > /dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

fuzz-build: deps
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DPLACEVALUE_FUZZ=ON -DPLACEVALUE_TESTS=OFF > /dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(FUZZ_TARGETS:%=fuzz_%)

fuzz: fuzz-build
	@for target in $(FUZZ_TARGETS); do scripts/run-fuzz $(FUZZ_BUILD) $$target $(FUZZ_SECONDS) || exit 1; done

fuzz-smoke: fuzz-build
	@for target in $(FUZZ_TARGETS); do scripts/run-fuzz $(FUZZ_BUILD) $$target $(FUZZ_SMOKE_SECONDS) || exit 1; done

soak: build
	@cmake --build $(BUILD) -j $(JOBS) --target soak
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bench/soak

# Benchmarks (bench/): their own build folder with PLACEVALUE_BENCH on, so `make test` never
# builds them; runs start-up, memory, idle, responsiveness and the question logic on Xvfb.
BENCH_BUILD ?= build-bench
bench:
	@scripts/install-deps bench
	@cmake -S . -B $(BENCH_BUILD) $(CMAKE_FLAGS) -DPLACEVALUE_BENCH=ON -DPLACEVALUE_TESTS=OFF > /dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS)
	@bench/run-bench $(BENCH_BUILD)

# What Orca says along the screen-reader tour of `make test` (accessibility_at_spi), taken at a
# person's pace: Orca's utterances from its debug log, no voice needed.
orca-transcript: build
	@scripts/install-deps orca
	@bash tests/accessibility/check_at_spi.sh --orca $(BUILD)/placevalue $(BUILD)/design.json

# The worksheet maker alone: a class set of 30 sheets of 30 questions, timed and weighed.
bench-sheets: build
	@bench/run-sheets-bench $(BUILD)

# Windows (see "Windows" in README.md): a static Qt for Windows is built once per machine into
# a cache folder (scripts/build-windows-qt, about a quarter of an hour the first time); then the program
# is cross-built with MinGW-w64 into $(WIN_BUILD), and its tests run under Wine.
WIN_BUILD ?= build-windows
WIN_TOOLCHAIN := $(CURDIR)/packaging/windows/toolchain-mingw-w64.cmake

.PHONY: windows windows-configure windows-test windows-screenshots

windows-configure:
	@scripts/install-deps windows
	@qt=$$(scripts/build-windows-qt) && \
		cmake -S . -B $(WIN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=$$qt/lib/cmake/Qt6/qt.toolchain.cmake \
		-DQT_CHAINLOAD_TOOLCHAIN_FILE=$(WIN_TOOLCHAIN) \
		-DCMAKE_CROSSCOMPILING_EMULATOR=wine > /dev/null

# build-windows/placevalue.exe, build-windows/placevalue-1.00-windows-x64.zip and the installer
# package build-windows/placevalue-1.00-windows-x64.msi.
windows: windows-configure
	@cmake --build $(WIN_BUILD) -j $(JOBS) --target placevalue placevalue-sheets windows_zip windows_msi

# Wine's menu builder would copy the Start menu's shortcuts into this machine's own menus.
WINE_ENV := WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d

# The QtTest suite under Wine (offscreen), then the real program under Wine on a private X
# display, and the installer package; CTest's summary is the last line.
windows-test: windows
	@cmake --build $(WIN_BUILD) -j $(JOBS)
	@mkdir -p $(WIN_BUILD)/wine
	@cd $(WIN_BUILD) && WINEPREFIX=$(CURDIR)/$(WIN_BUILD)/wine $(WINE_ENV) \
		xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" sh -c ' \
		wineboot -i > /dev/null 2>&1; wineserver -p 60; \
		ctest --output-on-failure -j $(JOBS); status=$$?; wineserver -k; exit $$status'

# The gallery of the Windows build, rendered under Wine, into docs/screens/windows.
windows-screenshots: windows-test
	@WINEPREFIX=$(CURDIR)/$(WIN_BUILD)/wine $(WINE_ENV) WINEQT_QPA_PLATFORM=offscreen \
		wine $(WIN_BUILD)/tests/render_screens.exe docs/screens/windows

# The browser (see "In a browser" in README.md): a static Qt for WebAssembly is built once per
# machine into a cache folder (scripts/build-web-qt, about seven minutes the first time); then the
# program is cross-built with Emscripten, optimised for size, and its web site made in
# $(WEB_BUILD)/site, a folder of static files for any web server.
WEB_BUILD ?= build-web
WEB_PORT ?= 8080
# Emscripten as Qt expects it (a folder of links inside the Qt folder), and Debian's Node.js
# modules for its JavaScript optimiser.
WEB_ENV = EMSDK=$$qt/emsdk NODE_PATH=/usr/share/nodejs

.PHONY: web web-configure web-serve web-test web-bench

web-configure:
	@scripts/install-deps web
	@qt=$$(scripts/build-web-qt) && $(WEB_ENV) $$qt/bin/qt-cmake -S . -B $(WEB_BUILD) -G Ninja \
		-DCMAKE_BUILD_TYPE=MinSizeRel -DPLACEVALUE_TESTS=OFF > /dev/null

# build-web/site/: index.html, start.js, placevalue.js and .wasm, qtloader.js, the icons, the
# manifest, the service worker sw.js and ended.html; beside it design.json, where the browser
# checks find the controls.
web: web-configure
	@qt=$$(scripts/build-web-qt 2>/dev/null) && $(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS) \
		--target web_site design_json

# Serves the site on http://localhost:$(WEB_PORT)/ until Ctrl+C.
web-serve: web
	@node scripts/serve-web.mjs $(WEB_BUILD)/site $(WEB_PORT)

# The site in three browser engines, all Debian's, one after the other: Chromium, Firefox ESR and
# WebKitGTK, each driven by its npm package pinned in tests/web/package-lock.json (tests/web/);
# no browser is downloaded. WEB_ENGINES=firefox runs one.
WEB_ENGINES ?= chromium firefox webkit
web-test: web
	@cd tests/web && npm ci --no-audit --no-fund --loglevel=error
	@status=0; for engine in $(WEB_ENGINES); do echo "web-test: $$engine"; \
		WEB_ENGINE=$$engine WEB_SITE=$(CURDIR)/$(WEB_BUILD)/site \
		node --test --test-concurrency=1 tests/web/ || status=1; done; exit $$status

# Bytes of a first visit, time to the first frame cold and from the service worker in each
# engine, memory after a tour in Chromium (bench/web-load.mjs).
web-bench: web
	@cd tests/web && npm ci --no-audit --no-fund --loglevel=error
	@for engine in $(WEB_ENGINES); do WEB_ENGINE=$$engine WEB_SITE=$(CURDIR)/$(WEB_BUILD)/site \
		node bench/web-load.mjs || exit 1; done
