# Vardek: one entry point for setting up, building, testing and measuring.
#   make setup   install the Debian packages the build and the tests need
#   make demo    build vardek-cli, scan the sample disc into build/demo.cat, list and search it
#   make test    build the native tree (sanitizers) and the Windows tree, run every test
#   make bench   build optimised and measure (needs hyperfine)
#   make fuzz    run every fuzz target for FUZZ_SECONDS each

SHELL := /bin/bash
JOBS ?= $(shell nproc)
NATIVE := build/native
WIN := build/win
RELEASE := build/release
FUZZDIR := build/fuzz
FUZZ_SECONDS ?= 60
export VARDEK_WINEPREFIX := $(CURDIR)/$(WIN)/wineprefix
export WINEDEBUG := -all

PACKAGES := cmake ninja-build g++ clang libgtest-dev libgmock-dev libbenchmark-dev googletest \
            libclang-rt-14-dev python3 time \
            mingw-w64 g++-mingw-w64-x86-64-posix wine64 xvfb xauth xdotool imagemagick hyperfine

.PHONY: setup demo test test-native test-win bench fuzz screenshots clean

setup:
	@missing=$$(for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing; \
	fi

$(NATIVE)/build.ninja:
	cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARDEK_SANITIZE=ON

$(WIN)/build.ninja:
	cmake -S . -B $(WIN) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake

$(RELEASE)/build.ninja:
	cmake -S . -B $(RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARDEK_TESTS=OFF -DVARDEK_BENCH=ON

test: setup test-native test-win

test-native: $(NATIVE)/build.ninja
	cmake --build $(NATIVE) -j $(JOBS)
	cd $(NATIVE) && ctest --output-on-failure

$(VARDEK_WINEPREFIX)/system.reg:
	mkdir -p $(VARDEK_WINEPREFIX)
	WINEPREFIX=$(VARDEK_WINEPREFIX) /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
	WINEPREFIX=$(VARDEK_WINEPREFIX) /usr/lib/wine/wineserver -w || true

test-win: $(WIN)/build.ninja $(VARDEK_WINEPREFIX)/system.reg
	cmake --build $(WIN) -j $(JOBS)
	cd $(WIN) && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure

demo: setup $(RELEASE)/build.ninja
	cmake --build $(RELEASE) -j $(JOBS) --target vardek-cli
	rm -f build/demo.cat
	$(RELEASE)/cli/vardek-cli scan build/demo.cat "Sample disc" samples/disc
	$(RELEASE)/cli/vardek-cli titles build/demo.cat
	$(RELEASE)/cli/vardek-cli find readme build/demo.cat

bench: setup $(RELEASE)/build.ninja
	cmake --build $(RELEASE) -j $(JOBS)
	bash bench/run.sh $(RELEASE)

$(FUZZDIR)/build.ninja:
	CXX=clang++ cmake -S . -B $(FUZZDIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARDEK_TESTS=OFF -DVARDEK_FUZZ=ON

fuzz: setup $(FUZZDIR)/build.ninja
	cmake --build $(FUZZDIR) -j $(JOBS)
	bash fuzz/run.sh $(FUZZDIR) $(FUZZ_SECONDS)

screenshots: setup $(WIN)/build.ninja $(VARDEK_WINEPREFIX)/system.reg
	cmake --build $(WIN) -j $(JOBS)
	bash tests/ui/screenshots.sh $(WIN) build/screenshots

clean:
	rm -rf build
