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

# The benchmark (a few minutes, not part of `make test`): pace, cost, start-up
# and cue latency in one table; the figures also go to build/bench.json.
.PHONY: bench
bench: test-deps configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target vorn vorn_bench
	bash bench/bench.sh $(BUILD_DIR)
