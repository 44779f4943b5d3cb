# SPDX-FileCopyrightText: 2026 The Bridging Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The project's commands. PRESET picks a CMake preset: dev (default), ci,
# sanitize or release.
PRESET ?= dev
BUILD_DIR := build/$(PRESET)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: deps configure build test run bench package fuzz lint clean

deps:
	@scripts/install-deps.sh

configure: deps
	@[ -f $(BUILD_DIR)/CMakeCache.txt ] || echo "Configuring the $(PRESET) build in $(BUILD_DIR)"
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j $(JOBS)

test: build
	@ctest --preset $(PRESET) -j $(JOBS)

# The program alone: neither the tests nor the benchmarks are built for it.
run: configure
	@[ -x $(BUILD_DIR)/app/bridging-demo ] || echo "Building the program in $(BUILD_DIR)"\
	  "for the first time: a few minutes on two cores; later runs rebuild only what changed"
	@cmake --build --preset $(PRESET) -j $(JOBS) --target bridging-demo
	@if [ -z "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}$${QT_QPA_PLATFORM:-}" ]; then \
	  echo "The program is built, but its window needs a graphical session:" \
	    "run $(BUILD_DIR)/app/bridging-demo on a desktop." >&2; exit 1; fi
	@$(BUILD_DIR)/app/bridging-demo

bench:
	@$(MAKE) --no-print-directory build PRESET=release
	@build/release/bench/core_bench --benchmark_min_time=0.5

# The Debian package, built by dpkg-buildpackage from debian/, in build/package.
package: deps
	@JOBS=$(JOBS) scripts/build-package.sh

# libFuzzer targets, built with clang in build/fuzz; each runs FUZZ_SECONDS.
FUZZ_SECONDS ?= 60
fuzz:
	@FUZZ_SECONDS=$(FUZZ_SECONDS) scripts/fuzz.sh

# clang-format and clang-tidy over every tracked source file.
lint:
	@scripts/static-checks.sh

clean:
	rm -rf build
