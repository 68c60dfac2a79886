# The front door: `make run` plays the game, `make test` runs the whole suite.
BUILD_DIR := build
JOBS := $(shell nproc)

.PHONY: run test deps test-deps configure build clean

run: build
	./$(BUILD_DIR)/vorn

test: test-deps build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# What building and playing need; the test suite's tools come on top.
deps:
	tools/install-deps.sh packages-run.txt

test-deps:
	tools/install-deps.sh packages-run.txt packages-test.txt

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)

# ---- Installing, and the Debian package ----
PREFIX ?= /usr/local
.PHONY: program install package-deps package package-test

# Installing and packaging need the program only, not the tests.
program: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target vorn

install: program
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

package-deps:
	tools/install-deps.sh packages-run.txt packages-package.txt

package: package-deps program
	rm -f $(BUILD_DIR)/vorn_*.deb
	cd $(BUILD_DIR) && cpack

# As root: installs the package with apt-get, starts it and removes it again.
package-test: package
	tests/package_test.sh $(BUILD_DIR)
