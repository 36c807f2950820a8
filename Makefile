# Vardek: one entry point for setting up, building, testing and measuring.
#   make setup   install the Debian packages the build and the tests need
#   make run     build Vardek.exe and run it under Wine (without a display: in Xvfb, with a screenshot)
#   make demo    build vardek-cli, scan the sample disc into build/demo.cat, list and search it
#   make test    build the native tree (sanitizers) and the Windows tree, run every test,
#                then the tests that mix the two trees' vardek-cli on one catalog, then test-dist
#   make bench   build optimised and measure (needs hyperfine); the desktop figures under Wine
#   make fuzz    run every fuzz target for FUZZ_SECONDS each
#   make dist    the release files in build/dist: the Windows zip and setup program, the Linux
#                vardek-cli .deb and tarball (CPack, from a Windows and a Linux release tree)
#   make test-dist  check the release files: lintian, the package unpacked, the zip and the setup
#                under Wine, and a second make dist compared byte for byte
#   make monkey  drive Vardek.exe with random actions: SEED=N (else seeds 1-6), STEPS=N (300),
#                LEAVE_OUT=verb,... ; REPLAY=LOG does the steps of a printed run again

SHELL := /bin/bash
JOBS ?= $(shell nproc)
NATIVE := build/native
WIN := build/win
RELEASE := build/release
WINBENCH := build/win-bench
FUZZDIR := build/fuzz
FUZZ_SECONDS ?= 60
DIST ?= build/dist
WINDIST ?= build/win-dist
LINUXDIST ?= build/linux-dist
VERSION := $(shell awk '/^project/ {print $$3}' CMakeLists.txt)
export VARDEK_WINEPREFIX := $(CURDIR)/$(WIN)/wineprefix
export WINEDEBUG := -all

PACKAGES := cmake ninja-build g++ clang libgtest-dev libgmock-dev libbenchmark-dev googletest \
            libclang-rt-14-dev python3 time \
            mingw-w64 g++-mingw-w64-x86-64-posix wine64 fonts-wine xvfb xauth xdotool imagemagick hyperfine ripgrep \
            nsis help2man dpkg-dev lintian bash-completion man-db \
            libarchive-dev libarchive-tools xorriso genisoimage udftools \
            chromium

.PHONY: setup run demo dist test-dist test test-native test-win test-mixed bench bench-win wine-prefix fuzz screenshots clean monkey

setup:
	@missing=$$(for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing; \
	fi

$(NATIVE)/build.ninja:
	cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARDEK_SANITIZE=ON -DVARDEK_BENCH=ON

$(WIN)/build.ninja:
	cmake -S . -B $(WIN) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARDEK_BENCH=ON \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake

$(RELEASE)/build.ninja:
	cmake -S . -B $(RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARDEK_TESTS=OFF -DVARDEK_BENCH=ON

# The release files. Their times (in the archives, the package, the manual page and the
# changelog) are the last commit's, so two runs from one commit give the same bytes.
dist: export SOURCE_DATE_EPOCH := $(shell git log -1 --format=%ct)
dist: setup $(WINDIST)/build.ninja $(LINUXDIST)/build.ninja
	cmake $(WINDIST) -DVARDEK_SOURCE_DATE_EPOCH=$$SOURCE_DATE_EPOCH >/dev/null
	cmake $(LINUXDIST) -DVARDEK_SOURCE_DATE_EPOCH=$$SOURCE_DATE_EPOCH >/dev/null
	cmake --build $(WINDIST) -j $(JOBS)
	cmake --build $(LINUXDIST) -j $(JOBS)
	rm -rf $(DIST) $(WINDIST)/packages $(LINUXDIST)/packages
	mkdir -p $(DIST)
	cd $(WINDIST) && cpack -B packages
	cd $(LINUXDIST) && cpack -B packages
	cp $(WINDIST)/packages/*.zip $(WINDIST)/packages/*.exe $(LINUXDIST)/packages/*.deb \
	  $(LINUXDIST)/packages/*.tar.gz $(DIST)/
	cd $(DIST) && sha256sum * > SHA256SUMS && cat SHA256SUMS

# The release files checked (tests/dist/dist_test.sh, in Xvfb for the windows), then made
# again from fresh trees in build/dist-again and compared byte for byte.
test-dist: dist
	xvfb-run -a -s "-screen 0 1280x1024x24" \
	  bash tests/dist/dist_test.sh $(DIST) build/dist-test $(VERSION)
	rm -rf build/dist-again
	$(MAKE) --no-print-directory dist DIST=build/dist-again/dist WINDIST=build/dist-again/win \
	  LINUXDIST=build/dist-again/linux >build/dist-again.log 2>&1 || { tail -20 build/dist-again.log; exit 1; }
	cd build/dist-again/dist && set -e && for f in *; do cmp "$$f" $(CURDIR)/$(DIST)/"$$f"; echo "same bytes: $$f"; done

$(WINDIST)/build.ninja:
	cmake -S . -B $(WINDIST) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARDEK_TESTS=OFF -DVARDEK_PACKAGE=ON \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake

$(LINUXDIST)/build.ninja:
	cmake -S . -B $(LINUXDIST) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARDEK_TESTS=OFF -DVARDEK_PACKAGE=ON

test: setup test-native test-win test-mixed test-dist

test-native: $(NATIVE)/build.ninja
	cmake --build $(NATIVE) -j $(JOBS)
	cd $(NATIVE) && ctest --output-on-failure

# The Wine prefix of the Windows tree: created once, with Wine's own fonts (cmake/wine-prefix).
wine-prefix:
	cmake/wine-prefix $(VARDEK_WINEPREFIX)

test-win: $(WIN)/build.ninja wine-prefix
	cmake --build $(WIN) -j $(JOBS)
	cd $(WIN) && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure

SEED ?= 1 2 3 4 5 6
STEPS ?= 300
monkey: setup $(WIN)/build.ninja
	cmake --build $(WIN) -j $(JOBS) --target Vardek vardek-cli vardek_monkey
	MONKEY_LEAVE_OUT=$(LEAVE_OUT) bash tests/monkey/run-monkey.sh $(WIN) \
	  $(if $(REPLAY),--replay $(REPLAY),$(STEPS) $(SEED))

# A change by the Linux vardek-cli and one by vardek-cli.exe under Wine take turns.
test-mixed: $(NATIVE)/build.ninja $(WIN)/build.ninja wine-prefix
	cmake --build $(NATIVE) -j $(JOBS) --target vardek-cli vardek_hold_change
	cmake --build $(WIN) -j $(JOBS) --target vardek-cli vardek_hold_change
	bash tests/cli/mixed_test.sh $(NATIVE) $(WIN) build/mixed

run: setup $(WIN)/build.ninja
	cmake --build $(WIN) -j $(JOBS) --target Vardek vardek_desktop_pilot
	bash cmake/run-vardek $(WIN) build/screenshots

demo: setup $(RELEASE)/build.ninja
	cmake --build $(RELEASE) -j $(JOBS) --target vardek-cli
	rm -f build/demo.cat
	$(RELEASE)/cli/vardek-cli scan build/demo.cat "Sample disc" samples/disc
	$(RELEASE)/cli/vardek-cli titles build/demo.cat
	$(RELEASE)/cli/vardek-cli find readme build/demo.cat

bench: setup $(RELEASE)/build.ninja
	cmake --build $(RELEASE) -j $(JOBS)
	bash bench/run.sh $(RELEASE)
	$(MAKE) --no-print-directory bench-win

# The desktop program's figures under Wine in Xvfb, from an optimised Windows tree.
bench-win: $(WINBENCH)/build.ninja wine-prefix
	cmake --build $(WINBENCH) -j $(JOBS) --target vardek-desktop-bench
	bash bench/desktop_bench.sh $(WINBENCH)

$(WINBENCH)/build.ninja:
	cmake -S . -B $(WINBENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARDEK_TESTS=OFF -DVARDEK_BENCH=ON \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake

$(FUZZDIR)/build.ninja:
	CXX=clang++ cmake -S . -B $(FUZZDIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARDEK_TESTS=OFF -DVARDEK_FUZZ=ON

fuzz: setup $(FUZZDIR)/build.ninja
	cmake --build $(FUZZDIR) -j $(JOBS)
	bash fuzz/run.sh $(FUZZDIR) $(FUZZ_SECONDS)

screenshots: setup $(WIN)/build.ninja wine-prefix
	cmake --build $(WIN) -j $(JOBS)
	bash tests/ui/screenshots.sh $(WIN) build/screenshots

clean:
	rm -rf build
