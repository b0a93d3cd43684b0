# The whole set-up on a fresh Debian 12 machine: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all setup configure build run test clean test-sanitize test-tsan

all: build

setup:
	@scripts/setup-deps.sh

configure: setup
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/vantrope

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The same tests under AddressSanitizer + UndefinedBehaviorSanitizer (no recovery).
test-sanitize:
	@$(MAKE) --no-print-directory test BUILD_DIR=build-asan \
		CMAKE_FLAGS="-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTROPE_SANITIZE=address,undefined"

# ThreadSanitizer over the worker split and the other threaded code.
test-tsan: setup
	@cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTROPE_SANITIZE=thread >/dev/null
	@cmake --build build-tsan -j $(JOBS) --target core_tests
	cd build-tsan && TSAN_OPTIONS=halt_on_error=1 ./tests/core_tests --gtest_filter="WorkerSplit.*:ImageConvert.*"

clean:
	rm -rf build build-asan build-tsan
