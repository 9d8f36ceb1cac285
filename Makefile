# The README's commands. Each one installs what is missing (scripts/setup.sh) before it builds.
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
BENCH_DIR ?= build-bench
WEB_DIR ?= build-web
JOBS ?= $(shell nproc)
# make fuzz: seconds per fuzz target; make check runs each target for a few thousand inputs.
FUZZ_SECONDS ?= 180
FUZZ_CHECK_RUNS ?= 3000

.PHONY: all setup setup-check setup-web build build-sanitize build-fuzz run web check fuzz bench clean

all: build

setup:
	@scripts/setup.sh

# Everything the tests need besides: GLFW, Neovim, the web toolchain and a headless browser.
setup-check:
	@scripts/setup.sh check

# The web toolchain (emscripten, Node.js and npm) for make web.
setup-web:
	@scripts/setup.sh web

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

# The playground: the toolkit in WebAssembly and the page, written into web/dist/ (serve it with
# python3 -m http.server -d web/dist). The npm packages come from the committed lockfile; the
# emscripten package's JavaScript optimizer finds Debian's acorn through NODE_PATH.
web/node_modules/.package-lock.json: web/package-lock.json | setup-web
	@cd web && npm ci --no-audit --no-fund --loglevel=error

web: setup-web web/node_modules/.package-lock.json
	@NODE_PATH=/usr/share/nodejs emcmake cmake -S web -B $(WEB_DIR) >/dev/null
	@NODE_PATH=/usr/share/nodejs cmake --build $(WEB_DIR) -j$(JOBS)

# Every test of the release build, every test again under AddressSanitizer and
# UndefinedBehaviorSanitizer (all but the valgrind run, which can't run a sanitizer build), and
# a short run of every fuzz target. The release build's tests include the playground's in a
# headless browser, against the site make web writes.
check: setup-check build build-sanitize build-fuzz web
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
	@rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(BENCH_DIR) $(WEB_DIR) web/dist
