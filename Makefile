BUILD_DIR := build
CMAKE_FLAGS ?=

.PHONY: all build packages configure test run package clean

all: build

packages:
	@tools/install-packages

configure: packages
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure

# The editor works in its working directory: run/, seeded with the sample font when missing.
run: build
	@test -d run || cp -R examples/ascii run
	cd run && $(abspath $(BUILD_DIR))/bin/fontedit

package: build
	@cmake --build $(BUILD_DIR) --target package

clean:
	rm -rf $(BUILD_DIR)
