BUILD_DIR := build
CMAKE_FLAGS ?=

.PHONY: all build packages configure test fuzz bench run screenshots package clean

all: build

packages:
	@tools/install-packages

configure: packages
	@cmake --preset default -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

# The package's tests on what the package holds, every other test under the sanitizers in
# build-asan, then each fuzz target for 6 seconds, a check that every target runs clean from its
# seeds (make fuzz searches longer); the last line sums up all three.
test: configure
	@cmake --build $(BUILD_DIR) --target package_parts
	@tools/run-all-tests $(BUILD_DIR) 6

# Runs every fuzz target for FUZZ_SECONDS from its seed corpus.
FUZZ_SECONDS ?= 60
fuzz: packages
	@tools/fuzz $(FUZZ_SECONDS)

# Start-up, memory and latency against a bare Qt window, in Release, headless; one table.
# -O2, as Debian builds its packages.
BENCH_CXX_FLAGS := -O2 -DNDEBUG
bench: packages
	@cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DFONTEDIT_BENCH=ON \
		"-DCMAKE_CXX_FLAGS_RELEASE=$(BENCH_CXX_FLAGS)" >/dev/null
	@cmake --build build-bench --target bench-programs >build-bench/build.log 2>&1 \
		|| { cat build-bench/build.log; exit 1; }
	@bench/run build-bench

# The editor works in its working directory: run/, seeded with the sample font when missing.
run: build
	@test -d run || cp -R examples/ascii run
	cd run && $(abspath $(BUILD_DIR))/bin/fontedit

# The pictures of docs/: the real window under Xvfb and a sheet rendered by fontedit-cli.
screenshots: build
	@tools/screenshots $(BUILD_DIR) docs

package: build
	@cmake --build $(BUILD_DIR) --target package

clean:
	rm -rf $(BUILD_DIR) build-asan build-bench
