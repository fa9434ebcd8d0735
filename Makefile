# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# The two commands a newcomer types: `make run` and `make test`.
# WINDOW=OFF builds and tests the grading library alone, without Qt.
# `make windows` cross-builds the Windows program, its packages and tests
# (build-windows/, build-windows-x86/), and runs the tests under Wine.
# `make dist` leaves the files to hand out in dist/.
# `make i686` tests the calculation and the press logic as a 32-bit x86
# program under qemu (build-i686/); `make arm64` the 64-bit ARM program,
# window included (build-arm64/). `make web` the page for a browser
# (build-web/vellacor.html).
MAKEFLAGS += --no-print-directory
BUILD ?= build
WINDOW ?= ON
CMAKE_ARGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
DEP_GROUPS = core $(if $(filter ON,$(WINDOW)),window)

.PHONY: deps configure build run test bench windows arm64 i686 web dist clean

deps:
	@scripts/install-deps.sh $(DEP_GROUPS)

configure: deps
	@cmake -S . -B $(BUILD) -DVELLACOR_WINDOW=$(WINDOW) $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD) $(WINDOW)

# From the build folder, as CMake 3.18's ctest knows no --test-dir; and a
# run that finds no test fails rather than passes.
test: build
	@cd $(BUILD) && ctest --output-on-failure --no-tests=error -j $(JOBS)

bench: build
	@$(BUILD)/bench/grading_bench
	@if [ "$(WINDOW)" = ON ]; then $(BUILD)/bench/window_bench && bench/startup.sh $(BUILD); fi

windows:
	@scripts/windows.sh $(CMAKE_ARGS)

# The program for 64-bit ARM Linux, and its tests (the window's too, off
# screen) under qemu (build-arm64/).
arm64:
	@scripts/install-deps.sh core window arm64
	@cmake --preset arm64 $(CMAKE_ARGS) >/dev/null
	@cmake --build --preset arm64 -j $(JOBS)
	@ctest --preset arm64 -j $(JOBS)

i686:
	@scripts/install-deps.sh core i686
	@cmake --preset i686 $(CMAKE_ARGS) >/dev/null
	@cmake --build --preset i686 -j $(JOBS)
	@ctest --preset i686 -j $(JOBS)

# The page for a browser, build-web/vellacor.html, and its tests under Node
# and in Chromium and Firefox.
web:
	@scripts/web.sh $(CMAKE_ARGS)

# Every file to hand out, rebuilt bit for bit from the last commit, in dist/.
dist:
	@scripts/dist.sh

clean:
	@rm -rf $(BUILD) build-windows build-windows-x86 build-arm64 build-i686 build-web build-dist dist
