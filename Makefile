# The two commands of the README, and a few more for developers.
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
WIN_DIR ?= build-windows
DIST_DIR ?= dist
FUZZ_SECONDS ?= 20
CMAKE_FLAGS ?=

.PHONY: all deps build test quick-test window-test run bench asan fuzz-build fuzz windows-build windows \
	windows-test clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR)

# Builds everything and runs every test: the suite, the suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, every fuzz target for $(FUZZ_SECONDS) seconds, and the Windows
# program's suites and end-to-end run under Wine; the Linux window is also started under a real
# window manager.
test: quick-test window-test asan fuzz windows-test

# The suite alone, in the release build.
quick-test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure

# The Linux window under a real window manager (Xvfb and openbox), driven with xdotool: its
# place kept between runs, and rooms picked with the mouse and keys.
window-test: build
	scripts/with-display.sh scripts/window-place-test.sh $(BUILD_DIR)/bin/zf61 $(BUILD_DIR)/window-place
	scripts/with-display.sh scripts/window-rooms-test.sh $(BUILD_DIR)/bin/zf61 $(BUILD_DIR)/window-rooms

# Builds the program and starts it on the bundled floor plan, in a fresh demo folder laid out
# as Jw_cad lays out the tool's folder (the program, JWC_TEMP.TXT, the pictures it refers to).
DEMO_DIR = $(BUILD_DIR)/demo
run: build
	rm -rf $(DEMO_DIR) && mkdir -p $(DEMO_DIR)
	cp $(BUILD_DIR)/bin/zf61 samples/floor_plan/* $(DEMO_DIR)/
	cd $(DEMO_DIR) && ./zf61

bench: build
	for b in $(BUILD_DIR)/bin/bench_*; do $$b || exit 1; done

# The whole suite once more under AddressSanitizer and UndefinedBehaviorSanitizer. Leaks inside
# the system's font and display libraries are not ours to report. The thread-local blocks of
# libraries loaded at run time (Qt's image plug-ins and what they bring) are not followed: Debian
# 12's leak checker reads a stale block address for one of them and crashes at exit.
asan: deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZF61_SANITIZE=ON -DZF61_BUILD_BENCH=OFF
	cmake --build $(ASAN_DIR)
	ASAN_OPTIONS=intercept_tls_get_addr=0 LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp \
	  UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir $(ASAN_DIR) --output-on-failure

# The libFuzzer targets (clang): built in $(FUZZ_DIR), each run for $(FUZZ_SECONDS) seconds.
fuzz-build: deps
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZF61_FUZZ=ON
	cmake --build $(FUZZ_DIR)

fuzz: fuzz-build
	scripts/run-fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# The Windows program, cross-built with mingw-w64, and the zip for Jw_cad users:
# $(DIST_DIR)/zf61-windows.zip with zf61.exe, zf61.bat and 使い方.txt.
windows-build: deps
	cmake -S . -B $(WIN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
	cmake --build $(WIN_DIR)

windows: windows-build
	scripts/package-windows.sh $(WIN_DIR) $(DIST_DIR)

# The Windows suites as .exe under Wine, then the zip's zf61.exe end to end under Wine and Xvfb.
windows-test: windows
	scripts/with-wine.sh scripts/windows-tests.sh $(WIN_DIR) $(DIST_DIR)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR) $(WIN_DIR) $(DIST_DIR)
