# The README's commands. Each one installs what is missing (scripts/setup.sh) before it builds.
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
BENCH_DIR ?= build-bench
JOBS ?= $(shell nproc)
# make fuzz: seconds per fuzz target; make check runs each target for a few thousand inputs.
FUZZ_SECONDS ?= 180
FUZZ_CHECK_RUNS ?= 3000

.PHONY: all setup setup-check build build-sanitize build-fuzz run check fuzz bench clean

all: build

setup:
	@scripts/setup.sh

# Everything the tests need besides: GLFW, Neovim, the web toolchain and a headless browser.
setup-check:
	@scripts/setup.sh check

build: setup
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD_DIR) -j$(JOBS)

build-sanitize: setup
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DDREV_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_DIR) -j$(JOBS)

# The libFuzzer targets need clang; the setup script installs clang-14.
build-fuzz: setup
	@CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DDREV_FUZZ=ON -DDREV_TESTS=OFF >/dev/null
	@cmake --build $(FUZZ_DIR) -j$(JOBS) --target fuzzers

run: build
	@cd data && ../$(BUILD_DIR)/shell/drev

# Every test of the release build, every test again under AddressSanitizer and
# UndefinedBehaviorSanitizer (all but the valgrind run, which can't run a sanitizer build), and
# a short run of every fuzz target.
check: setup-check build build-sanitize build-fuzz
	@cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)
	@cd $(SANITIZE_DIR) && ctest --output-on-failure -j$(JOBS)
	@scripts/fuzz.sh $(FUZZ_DIR) --runs $(FUZZ_CHECK_RUNS)

fuzz: build-fuzz
	@scripts/fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# The benchmarks (not part of check): a Release build of their own, every benchmark with
# repetitions, the UI test frame under Xvfb, and a table of the medians (docs/benchmarks.md).
bench: setup
	@cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DDREV_BENCH=ON -DDREV_TESTS=OFF >/dev/null
	@cmake --build $(BENCH_DIR) -j$(JOBS)
	@bench/run.sh $(BENCH_DIR)

clean:
	@rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(BENCH_DIR)
