# Everything a fresh Debian 12 machine needs: `make demo` and `make test`.
BUILD   ?= build
JOBS    ?= $(shell nproc)
CMAKE   := cmake -G Ninja -DTXTCVT_WERROR=ON
LINUX   := $(BUILD)/linux
ASAN    := $(BUILD)/linux-asan
WINDOWS := $(BUILD)/windows
FUZZ    := $(BUILD)/fuzz
FUZZ_SECONDS ?= 60
CLI     := $(LINUX)/cli/txtcvt-cli

.PHONY: help deps build build-linux build-asan build-windows build-fuzz test test-linux test-asan test-windows fuzz check-limits screenshots demo clean

help:
	@echo "make demo           install what is missing, build, and run the converter on examples/"
	@echo "make test           install what is missing, build Linux and Windows, run every test"
	@echo "make test-linux     native unit tests only"
	@echo "make test-asan      native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
	@echo "make test-windows   Windows tests under Wine"
	@echo "make fuzz           every fuzz target for FUZZ_SECONDS (default 60) on its seeds (clang, libFuzzer)"
	@echo "make check-limits   1 GiB captures and a 100 MB garbage DBC file: time and peak memory"
	@echo "make screenshots    pictures of the main dialog in English and Japanese into docs/"
	@echo "make clean          remove $(BUILD)/"

deps:
	@scripts/install-deps.sh

$(LINUX)/build.ninja:
	$(CMAKE) -S . -B $(LINUX) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(ASAN)/build.ninja:
	$(CMAKE) -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DTXTCVT_SANITIZE=ON

$(WINDOWS)/build.ninja:
	$(CMAKE) -S . -B $(WINDOWS) -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake

# The fuzz targets need clang; only the core libraries are built there.
$(FUZZ)/build.ninja:
	CC=clang CXX=clang++ $(CMAKE) -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTXTCVT_FUZZ=ON

build-linux: deps $(LINUX)/build.ninja
	cmake --build $(LINUX) -j $(JOBS)

build-asan: deps $(ASAN)/build.ninja
	cmake --build $(ASAN) -j $(JOBS)

build-windows: deps $(WINDOWS)/build.ninja
	cmake --build $(WINDOWS) -j $(JOBS)

build-fuzz: deps $(FUZZ)/build.ninja
	cmake --build $(FUZZ) -j $(JOBS) --target all fuzz_seeds

build: build-linux build-windows

test-linux: build-linux
	ctest --test-dir $(LINUX) -j $(JOBS) --output-on-failure

test-asan: build-asan
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --test-dir $(ASAN) -j $(JOBS) --output-on-failure

# The GUI tests need a display: a virtual one unless there is one already.
XVFB_RUN := $(if $(DISPLAY),,xvfb-run -a -s "-screen 0 1280x1024x24")

test-windows: build-windows
	@# A Windows test binary that fails is run once more: the GUI tests drive real windows under
	@# Wine and Xvfb, where a loaded machine has been seen to disturb one; a real fault fails twice.
	$(XVFB_RUN) ctest --test-dir $(WINDOWS) -j $(JOBS) --output-on-failure --repeat until-pass:2

fuzz: build-fuzz
	scripts/run-fuzzers.sh $(FUZZ) $(FUZZ_SECONDS)

check-limits: build-linux
	scripts/check-limits.sh $(LINUX)

screenshots: build-windows
	scripts/screenshots.sh $(WINDOWS) docs

test: test-linux test-asan test-windows
	@echo "All Linux, sanitizer and Windows tests passed."

demo: build-linux
	@scripts/demo.sh $(LINUX)

clean:
	rm -rf $(BUILD)
