# The two commands: `make run` and `make test`. Both install what is missing first.
MAKEFLAGS += --no-print-directory
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test screenshots lint clean bench

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/placevalue

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Renders every screen to PNG under docs/screens.
screenshots: build
	@$(BUILD)/tests/render_screens docs/screens

clean:
	@rm -rf $(BUILD)

# clang-format and clang-tidy over the sources; fails on any finding.
lint: configure
	@clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')
	@run-clang-tidy -p $(BUILD) -quiet "$$(pwd)/(src|tests|bench)/.*\.cpp" > $(BUILD)/clang-tidy.log 2>&1 \
		|| { grep -E "(warning|error):" $(BUILD)/clang-tidy.log; exit 1; }

# Benchmarks (bench/): their own build folder with PLACEVALUE_BENCH on, so `make test` never
# builds them; runs start-up, memory, idle, responsiveness and the question logic on Xvfb.
BENCH_BUILD ?= build-bench
bench:
	@scripts/install-deps bench
	@cmake -S . -B $(BENCH_BUILD) $(CMAKE_FLAGS) -DPLACEVALUE_BENCH=ON -DPLACEVALUE_TESTS=OFF > /dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS)
	@bench/run-bench $(BENCH_BUILD)
