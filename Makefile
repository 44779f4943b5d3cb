# The project's commands. PRESET picks a CMake preset: dev (default), ci,
# sanitize or release.
PRESET ?= dev
BUILD_DIR := build/$(PRESET)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: deps configure build test run bench clean

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j $(JOBS)

test: build
	@ctest --preset $(PRESET) -j $(JOBS)

run: build
	@$(BUILD_DIR)/app/bridging-demo

bench:
	@$(MAKE) --no-print-directory build PRESET=release
	@build/release/bench/core_bench --benchmark_min_time=0.5

clean:
	rm -rf build
