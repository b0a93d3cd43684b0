# The whole set-up on a fresh Debian 12 machine: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all setup configure build run test clean test-sanitize test-tsan fuzz-cube fuzz-preset fuzz-still fuzz-project

all: build

setup:
	@scripts/setup-deps.sh

configure: setup
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null

# lupdate first, so the .ts files hold every text of the sources before lrelease compiles them.
build: configure
	@cmake --build $(BUILD_DIR) --target vantrope_lupdate
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
	@cmake --build build-tsan -j $(JOBS) --target core_tests export_tests
	cd build-tsan && TSAN_OPTIONS=halt_on_error=1 ./tests/core_tests --gtest_filter="WorkerSplit.*:ImageConvert.*"
	cd build-tsan && TSAN_OPTIONS="halt_on_error=1 die_after_fork=0 suppressions=$(CURDIR)/tests/support/tsan.supp" ./tests/export_tests \
		--gtest_filter="FrameBlend.*:SplitCompare.*:ExportTest.Options*:ExportTest.TwoExports*:Export/AbortExport.*:Export/StageFault.*"

# Installs clang-14, configures build-fuzz for libFuzzer with ASan + UBSan and builds target $(1);
# new inputs collect in build-fuzz/corpus-$(2), findings in build-fuzz/findings.
define fuzz_build
	@scripts/setup-deps.sh --fuzz
	@cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
		-DVANTROPE_FUZZ=ON -DVANTROPE_SANITIZE=address,undefined >/dev/null
	@cmake --build build-fuzz --target $(1)
	@mkdir -p build-fuzz/corpus-$(2) build-fuzz/findings
endef

# The cube-reader fuzz target, then a campaign of
# FUZZ_RUNS executions (0: until stopped) over the committed corpus and the cube test data.
# New inputs collect in build-fuzz/corpus-cube; findings are written as crash-*/leak-*/timeout-*.
# ASan's freed-memory quarantine is cut from 256 to 64 MiB so it does not eat half the RSS limit.
FUZZ_RUNS ?= 10000000
fuzz-cube:
	$(call fuzz_build,cube_fuzz,cube)
	ASAN_OPTIONS=quarantine_size_mb=64 build-fuzz/fuzz/cube_fuzz -runs=$(FUZZ_RUNS) -rss_limit_mb=512 -malloc_limit_mb=64 -timeout=2 \
		-max_len=65536 -dict=fuzz/cube.dict -artifact_prefix=build-fuzz/findings/ -print_final_stats=1 \
		build-fuzz/corpus-cube fuzz/corpus/cube tests/lut/data

# The preset-loader fuzz target the same way: FUZZ_PRESET_RUNS executions over the committed
# corpus, every input through a file of its own under /dev/shm. The settings class keeps a cache
# of parsed files, so allocations and frees never balance within one input and libFuzzer would
# run a full leak scan after every input (200 instead of 3,000 inputs a second): the campaign
# runs without that scan, and a second pass replays every corpus input once with it.
FUZZ_PRESET_RUNS ?= 1000000
fuzz-preset:
	$(call fuzz_build,preset_fuzz,preset)
	ASAN_OPTIONS=quarantine_size_mb=64 build-fuzz/fuzz/preset_fuzz -runs=$(FUZZ_PRESET_RUNS) -rss_limit_mb=512 \
		-malloc_limit_mb=64 -timeout=2 -max_len=65536 -dict=fuzz/preset.dict -artifact_prefix=build-fuzz/findings/ \
		-print_final_stats=1 -detect_leaks=0 build-fuzz/corpus-preset fuzz/corpus/preset
	ASAN_OPTIONS=quarantine_size_mb=64 build-fuzz/fuzz/preset_fuzz -runs=0 -rss_limit_mb=512 -malloc_limit_mb=64 \
		-timeout=2 -detect_leaks=1 -artifact_prefix=build-fuzz/findings/ build-fuzz/corpus-preset fuzz/corpus/preset

# The still-image reader the same way: seed images in every allowed format are written by the
# library into build-fuzz/seeds-still at fuzz time, then FUZZ_STILL_RUNS executions (1 million by
# default) run over them and the committed text inputs, one decoding thread, allocations capped.
FUZZ_STILL_RUNS ?= 1000000
fuzz-still:
	$(call fuzz_build,still_fuzz,still)
	VANTROPE_STILL_SEEDS=build-fuzz/seeds-still build-fuzz/fuzz/still_fuzz
	ASAN_OPTIONS=quarantine_size_mb=64 build-fuzz/fuzz/still_fuzz -runs=$(FUZZ_STILL_RUNS) -rss_limit_mb=512 \
		-malloc_limit_mb=256 -timeout=5 -max_len=65536 -artifact_prefix=build-fuzz/findings/ -print_final_stats=1 \
		-detect_leaks=0 build-fuzz/corpus-still build-fuzz/seeds-still fuzz/corpus/still

# The project reader the same way: every input replaces one file of a complete project (chosen by
# its last byte) in a private folder, and the project is read into the window's components and
# its history; FUZZ_PROJECT_RUNS executions (1 million by default). As with presets, the settings
# class caches parsed files, so the campaign runs without the leak scan and a second pass replays
# every corpus input once with it. FUZZ_PROJECT_TIME (seconds, 0: none) ends a campaign early.
# The target links the image library with its many dependencies (about 200 MiB resident under
# ASan before the first input); with a 64 MiB quarantine the process passed the 512 MiB limit
# after 138,000 inputs whose live heap was 67 MiB, so this campaign keeps a 16 MiB quarantine.
FUZZ_PROJECT_RUNS ?= 1000000
FUZZ_PROJECT_TIME ?= 0
fuzz-project:
	$(call fuzz_build,project_fuzz,project)
	ASAN_OPTIONS=quarantine_size_mb=16 build-fuzz/fuzz/project_fuzz -runs=$(FUZZ_PROJECT_RUNS) \
		-max_total_time=$(FUZZ_PROJECT_TIME) -rss_limit_mb=512 \
		-malloc_limit_mb=64 -timeout=2 -max_len=65536 -dict=fuzz/project.dict -artifact_prefix=build-fuzz/findings/ \
		-print_final_stats=1 -detect_leaks=0 build-fuzz/corpus-project fuzz/corpus/project
	ASAN_OPTIONS=quarantine_size_mb=16 build-fuzz/fuzz/project_fuzz -runs=0 -rss_limit_mb=512 -malloc_limit_mb=64 \
		-timeout=2 -detect_leaks=1 -artifact_prefix=build-fuzz/findings/ build-fuzz/corpus-project fuzz/corpus/project

clean:
	rm -rf build build-asan build-tsan build-fuzz
