# SPDX-License-Identifier: GPL-2.0-or-later
# `make run` and `make test` do all the set-up on a fresh Debian 12 machine.
BUILD      ?= build
TESTBUILD  ?= build-asan
FUZZBUILD  ?= build-fuzz
FUZZ_SECONDS ?= 300
FUZZ_TARGETS := velkdat velkini propertybag registry
JOBS       ?= $(shell nproc)
# ON turns every compiler warning into an error; .ci/run sets it.
VELK_WERROR ?= OFF
CMAKE_GEN  := -G Ninja

.PHONY: run test build deps bench fuzz package clean

deps:
	@tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/velk

test: deps
	cmake -S . -B $(TESTBUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DVELK_SANITIZE=ON \
		-DVELK_WERROR=$(VELK_WERROR)
	cmake --build $(TESTBUILD) -j $(JOBS)
	# The benchmarks are built too, though not run, so a change that breaks them shows here.
	cmake --build $(TESTBUILD) --target benchmarks -j $(JOBS)
	cd $(TESTBUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian packages, in $(BUILD)/: velk (the game) and trivia (the control library and its
# host), each checked by lintian, whose error fails the target. The tests are not built for
# it: `make test` builds and runs them.
# Built with Debian's hardening: stack protector, fortified functions, read-only relocations.
DEBFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP="-g -O2" \
	dpkg-buildflags --get
package:
	tools/install-deps.sh package
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
		-DVELK_BUILD_TESTS=OFF -DCMAKE_CXX_FLAGS="$$($(DEBFLAGS) CPPFLAGS) $$($(DEBFLAGS) CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$($(DEBFLAGS) LDFLAGS)" \
		-DCMAKE_SHARED_LINKER_FLAGS="$$($(DEBFLAGS) LDFLAGS)"
	cmake --build $(BUILD) --target package -j $(JOBS)
	lintian --fail-on error $(BUILD)/velk_*.deb $(BUILD)/trivia_*.deb

# bench_hostile is built only beside the control library, whose reader it tries too.
bench: build
	cmake --build $(BUILD) --target benchmarks -j $(JOBS)
	$(BUILD)/bench/bench_files
	$(BUILD)/bench/bench_game
	cd $(BUILD) && bench/bench_history
	[ ! -x $(BUILD)/bench/bench_hostile ] || $(BUILD)/bench/bench_hostile

# Each reader fuzzed for FUZZ_SECONDS with clang and libFuzzer (installed here, not by deps).
fuzz: deps
	JOBS=$(JOBS) fuzz/run.sh $(FUZZBUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

clean:
	rm -rf $(BUILD) $(TESTBUILD) $(FUZZBUILD)
