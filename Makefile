# The two commands a newcomer types: `make run` and `make test`.
# WINDOW=OFF builds and tests the grading library alone, without Qt.
# `make windows` cross-builds the Windows program, its packages and tests
# (build-windows/), and runs the tests under Wine.
MAKEFLAGS += --no-print-directory
BUILD ?= build
WINDOW ?= ON
CMAKE_ARGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
DEP_GROUPS = core $(if $(filter ON,$(WINDOW)),window)

.PHONY: deps configure build run test bench windows clean

deps:
	@scripts/install-deps.sh $(DEP_GROUPS)

configure: deps
	@cmake -S . -B $(BUILD) -DVELLACOR_WINDOW=$(WINDOW) $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD) $(WINDOW)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench: build
	@$(BUILD)/bench/grading_bench
	@if [ "$(WINDOW)" = ON ]; then $(BUILD)/bench/window_bench && bench/startup.sh $(BUILD); fi

windows:
	@scripts/windows.sh $(CMAKE_ARGS)

clean:
	@rm -rf $(BUILD) build-windows
