# The two commands: `make run` and `make test`. Both install what is missing first.
MAKEFLAGS += --no-print-directory
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test screenshots lint clean package bench

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

# Renders every screen to PNG under docs/screens, and the worksheets under docs/sheets.
screenshots: build
	@$(BUILD)/tests/render_screens docs/screens
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
