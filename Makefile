BUILD_DIR := build
CMAKE_FLAGS ?=

.PHONY: all build packages configure test run clean

all: build

packages:
	@tools/install-packages

configure: packages
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure

run: build
	$(BUILD_DIR)/bin/fontedit

clean:
	rm -rf $(BUILD_DIR)
