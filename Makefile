# The two commands of the README, and a few more for developers.
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
CMAKE_FLAGS ?=

.PHONY: all deps build test run bench asan clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR)

# Builds everything and runs every test.
test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure

# Builds the program and starts it on the bundled floor plan, in a fresh demo folder laid out
# as Jw_cad lays out the tool's folder (the program, JWC_TEMP.TXT, the pictures it refers to).
DEMO_DIR = $(BUILD_DIR)/demo
run: build
	rm -rf $(DEMO_DIR) && mkdir -p $(DEMO_DIR)
	cp $(BUILD_DIR)/bin/zf61 samples/floor_plan/* $(DEMO_DIR)/
	cd $(DEMO_DIR) && ./zf61

bench: build
	$(BUILD_DIR)/bin/bench_reader

# The whole suite once more under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZF61_SANITIZE=ON -DZF61_BUILD_BENCH=OFF
	cmake --build $(ASAN_DIR)
	ctest --test-dir $(ASAN_DIR) --output-on-failure

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
