# The front door: `make run` plays the game, `make test` runs the whole suite.
BUILD_DIR := build
JOBS := $(shell nproc)

.PHONY: run test deps test-deps soak-audio configure configure-tests build clean test-fresh

run: program
	./$(BUILD_DIR)/vorn

# CTest counts a skipped test as passed: the line after it says how many of
# the real-audio tests ran.
test: build
	cd $(BUILD_DIR) && status=0 && ctest --output-on-failure -j $(JOBS) --output-junit ctest-results.xml || status=$$?; \
	  bash $(CURDIR)/tests/audio/real_audio_summary.sh . ctest-results.xml; exit $$status
	$(MAKE) test-asan

# What building and playing need; the test suite's tools come on top.
deps:
	tools/install-deps.sh packages-run.txt

test-deps:
	tools/install-deps.sh packages-run.txt packages-test.txt
	list=$$(tools/sound-server-present.sh) || tools/install-deps.sh "$$list"

# The sound server's faults over and over (a few minutes, not part of `make
# test`): SOAK_KILLS kills of a private server at every phase of a cue.
SOAK_KILLS ?= 300
soak-audio: configure-tests
	cmake --build $(BUILD_DIR) -j $(JOBS) --target audio_hold_cues audio_measure_recording
	bash tests/audio/soak_faults.sh $(BUILD_DIR)/tests/audio_hold_cues $(BUILD_DIR)/tests/audio_measure_recording \
	  $(SOAK_KILLS) $(BUILD_DIR)/soak-audio

# A new build tree builds the program alone (VORN_BUILD_TESTS is off by
# default); the test targets turn the tests on, and the tree keeps them on.
configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release

configure-tests: test-deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DVORN_BUILD_TESTS=ON

build: configure-tests
	cmake --build $(BUILD_DIR) -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)

# ---- Installing, and the Debian package ----
PREFIX ?= /usr/local
PACKAGE_TREE := $(BUILD_DIR)/vorn-source
PACKAGE_DEB := $(BUILD_DIR)/vorn_1.00_amd64.deb
PACKAGE_CHANGES := $(BUILD_DIR)/vorn_1.00_amd64.changes
.PHONY: program install package-deps package package-test

# Playing, installing and packaging need the program only, not the tests.
program: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target vorn

install: program
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

package-deps:
	tools/install-deps.sh packages-run.txt packages-package.txt

# dpkg-buildpackage builds debian/ from a copy of the working tree (the files
# git tracks or would add), so that its debris stays out of the repository and
# its results (.deb, -dbgsym .deb, .buildinfo, .changes) land in $(BUILD_DIR),
# the copy's parent. Any error or warning of lintian fails the package.
package: package-deps
	rm -rf $(PACKAGE_TREE) $(BUILD_DIR)/vorn_* $(BUILD_DIR)/vorn-dbgsym_*
	mkdir -p $(PACKAGE_TREE)
	git ls-files -z --cached --others --exclude-standard | tar -c --null -T - | tar -x -C $(PACKAGE_TREE)
	cd $(PACKAGE_TREE) && DEB_BUILD_OPTIONS="parallel=$(JOBS)" dpkg-buildpackage -us -uc -b
	rm -rf $(PACKAGE_TREE)
	lintian --pedantic --display-info --fail-on error,warning $(PACKAGE_DEB) $(PACKAGE_CHANGES)

# As root: the README's commands in a clean minbase Debian (DIST=bookworm or
# trixie), made with mmdebstrap and cached in /var/cache/vorn-fresh.
DIST ?= trixie
test-fresh:
	tools/test-fresh.sh $(DIST)

# As root: installs the package with apt-get, starts it under a private X
# server, closes its window and removes the package again.
package-test: package test-deps
	tests/package_test.sh $(BUILD_DIR)

# ---- The sanitizer tree: the whole suite again, built by clang in Debug (assertions
# on) with ASan and UBSan, plus the libFuzzer targets of tests/fuzz ----
ASAN_DIR := build-asan
FUZZ_SECONDS := 300
FUZZ_KINDS := wav_image form_description top_players_file
# The soak plays long games under the sanitizers; no test is stopped before this.
ASAN_TEST_TIMEOUT := 900

.PHONY: asan-configure asan-build test-asan fuzz clean-asan

asan-configure: test-deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DVORN_SANITIZE=ON -DVORN_FUZZ=ON \
	  -DVORN_BUILD_TESTS=ON

asan-build: asan-configure
	cmake --build $(ASAN_DIR) -j $(JOBS)

test-asan: asan-build
	cd $(ASAN_DIR) && status=0 && ctest --output-on-failure -j $(JOBS) --timeout $(ASAN_TEST_TIMEOUT) \
	  --output-junit ctest-results.xml || status=$$?; \
	  bash $(CURDIR)/tests/audio/real_audio_summary.sh . ctest-results.xml; exit $$status

# Each target for FUZZ_SECONDS; what it finds and the corpus it grows stay in
# $(ASAN_DIR)/fuzz/<kind>/ (findings/ and corpus/), outside the repository.
fuzz: asan-build
	status=0; for kind in $(FUZZ_KINDS); do \
	  tests/fuzz/run_fuzzer.sh $(ASAN_DIR)/tests/fuzz/fuzz_$$kind tests/fuzz/corpus/$$kind \
	    $(FUZZ_SECONDS) $(ASAN_DIR)/fuzz/$$kind || status=1; \
	done; exit $$status

clean: clean-asan
clean-asan:
	rm -rf $(ASAN_DIR)
# ---- Windows: the program cross-built for 64-bit Windows with Debian 13's
# MinGW-w64 and Qt built from Debian's own source (tools/windows/). On a
# release other than Debian 13, as root: the steps run in a Debian 13 system.
.PHONY: windows test-windows
# build/vorn-1.00-windows-x64.zip and build/vorn-1.00-windows-x64-setup.exe.
windows:
	tools/windows/run.sh build

# The Windows build's tests under Wine, building what is missing first.
test-windows:
	tools/windows/run.sh test

# ---- The browser: the program cross-built for WebAssembly with Debian 13's
# Emscripten and Qt built from Debian's own source (tools/web/). On a release
# other than Debian 13, as root: the steps run in a Debian 13 system.
.PHONY: web run-web test-web bench-web
# build/web/ (the site, its page index.html) and build/vorn-1.00-web.zip.
web:
	tools/web/run.sh build

# The site on this machine's loopback address, served by Python's own server.
WEB_PORT ?= 8000
run-web: web
	tools/install-deps.sh packages-web-serve.txt
	@echo "web: Vorn is at http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops the server)"
	python3 -m http.server --bind 127.0.0.1 --directory $(BUILD_DIR)/web $(WEB_PORT)

# The site's tests in Chromium, building what is missing first.
test-web:
	tools/web/run.sh test

# The site's figures in Chromium (bench/README.md): download, load times,
# the pace of a game's waits, the tab's memory; build/bench-web.json.
bench-web:
	tools/web/run.sh bench

# The benchmark (a few minutes, not part of `make test`): pace, cost, start-up
# and cue latency in one table; the figures also go to build/bench.json. The
# browser build's figures are make bench-web's.
.PHONY: bench
bench: configure-tests
	cmake --build $(BUILD_DIR) -j $(JOBS) --target vorn vorn_bench
	bash bench/bench.sh $(BUILD_DIR)
