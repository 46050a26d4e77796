# SPDX-License-Identifier: GPL-3.0-or-later
# make run    : install what is missing, build, start the editor
# make test   : install what is missing, build, run every test through CTest,
#               then again built with AddressSanitizer and UBSan
# make soak   : the long random sessions (more seeds, many more events)
# make bench  : build and run the benchmarks, one table
# make package: build the Debian package

MAKEFLAGS += --no-print-directory
BUILD ?= build
SANBUILD ?= build-sanitize
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PACKAGES := cmake make g++ qt6-base-dev zlib1g-dev libimagequant-dev pkg-config qt6-translations-l10n fonts-dejavu-core fonts-dejavu-extra \
            libgtest-dev libbenchmark-dev xvfb xauth xdotool dpkg-dev file nodejs python3
# MicroPython for Node, which runs the Python scripts in the tests and the
# benchmarks; installed in each build folder, never committed.
MICROPYTHON := @micropython/micropython-webassembly-pyscript@1.27.0
micropython = [ -f $(1)/npm/node_modules/@micropython/micropython-webassembly-pyscript/micropython.mjs ] || \
              npm install --prefix $(1)/npm --no-save --no-audit --no-fund --loglevel=error $(MICROPYTHON)
# Reports from the sanitizers fail the run; leaks inside the system's own
# libraries (fonts, Qt's caches) are theirs, not ours. No strict string
# checks: the X keyboard library hands strndup unterminated buffers.
SANENV := ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1 \
          LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan.supp:print_suppressions=0 \
          UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all deps configure build run test test-plain test-sanitized soak bench package clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
	@# Debian's nodejs comes without npm; a Node.js of another source brings its own.
	@command -v npm >/dev/null || { $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends npm; }

# The benchmarks are built only for `make bench`, so the tests do not wait for them.
configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRAFIPIX_BENCH=OFF

build: configure
	@$(call micropython,$(BUILD))
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/ui/grafipix

test: test-plain test-sanitized

test-plain: build
	GRAFIPIX_NEED_MICROPYTHON=1 ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-sanitized: deps
	cmake -S . -B $(SANBUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRAFIPIX_SANITIZE=ON -DGRAFIPIX_BENCH=OFF
	@$(call micropython,$(SANBUILD))
	cmake --build $(SANBUILD) -j $(JOBS)
	$(SANENV) GRAFIPIX_NEED_MICROPYTHON=1 ctest --test-dir $(SANBUILD) --output-on-failure -j $(JOBS)

SOAKSEEDS ?= 1,2,5,77,424242,20261207
SOAKEVENTS ?= 200000
soak: build
	GRAFIPIX_SESSION_SEEDS=$(SOAKSEEDS) GRAFIPIX_SESSION_EVENTS=$(SOAKEVENTS) ./$(BUILD)/tests/test_session

bench: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRAFIPIX_BENCH=ON
	@$(call micropython,$(BUILD))
	cmake --build $(BUILD) -j $(JOBS)
	@./bench/run-all $(BUILD)/bench

package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(SANBUILD)
