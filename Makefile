# The README's commands. Each one installs what is missing (scripts/setup.sh) before it builds.
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
JOBS ?= $(shell nproc)

.PHONY: all setup build build-sanitize run check check-sanitize clean

all: build

setup:
	@scripts/setup.sh

build: setup
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD_DIR) -j$(JOBS)

build-sanitize: setup
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DDREV_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_DIR) -j$(JOBS)

run: build
	@cd data && ../$(BUILD_DIR)/shell/drev

# Every test of the release build, then the unit and console tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
check: build build-sanitize
	@cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)
	@cd $(SANITIZE_DIR) && ctest --output-on-failure -j$(JOBS) -L unit

clean:
	@rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
