# Everything a fresh Debian 12 machine needs. The build folders and flags are the presets of
# CMakePresets.json; this file only adds the packages each step needs and the order of steps.
JOBS    ?= $(shell nproc)
FUZZ_SECONDS ?= 60
LINUX   := build/linux
ASAN    := build/linux-asan
WINDOWS := build/windows
FUZZ    := build/fuzz
PYBUILD := build/python
# Debian's interpreter, which has Debian's numpy, pandas and Dask (another python3 may come first
# on PATH).
PYTHON  := /usr/bin/python3
DIST    := dist

.PHONY: help demo test test-linux test-asan test-windows test-python test-dist dist fuzz \
        check-limits screenshots lint python build build-linux build-asan build-windows build-fuzz \
        clean

help:
	@echo "make demo           install the compiler, CMake and Ninja if missing, build, convert examples/"
	@echo "make test           install the test packages if missing, build Linux and Windows, run every test"
	@echo "make test-linux     native unit tests only"
	@echo "make test-asan      native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
	@echo "make test-windows   Windows tests under Wine"
	@echo "make python         the Python module txtcvt into $(PYBUILD)/site (PYTHONPATH=$(PYBUILD)/site)"
	@echo "make test-python    the Python module's tests (pytest, Dask on a local cluster)"
	@echo "make dist           release packages into $(DIST)/: the Windows zip and the Debian package"
	@echo "make test-dist      make dist, then run both packages as a user would"
	@echo "make fuzz           every fuzz target for FUZZ_SECONDS (default 60) on its seeds (clang, libFuzzer)"
	@echo "make check-limits   1 GiB captures and a 100 MB garbage DBC file: time and peak memory"
	@echo "make lint           clang-format and clang-tidy over the project's own C++ files"
	@echo "make screenshots    pictures of the main dialog in English and Japanese into docs/"
	@echo "make clean          remove build/ and $(DIST)/"

# Configures FOLDER with PRESET when it has no build yet, when the presets changed since, or when
# TESTS is given and its tests are off (make demo configures build/linux without tests).
# $(call configure,PRESET,FOLDER[,TESTS])
configure = if [ ! -f $(2)/build.ninja ] || [ CMakePresets.json -nt $(2)/CMakeCache.txt ] || \
                { [ -n "$(3)" ] && ! grep -q '^TXTCVT_TESTS:BOOL=ON$$' $(2)/CMakeCache.txt; }; then \
                cmake --preset $(1); fi

build-linux:
	@scripts/install-deps.sh test
	@$(call configure,linux,$(LINUX),tests)
	cmake --build --preset linux -j $(JOBS)

build-asan:
	@scripts/install-deps.sh test
	@$(call configure,linux-asan,$(ASAN))
	cmake --build --preset linux-asan -j $(JOBS)

build-windows:
	@scripts/install-deps.sh test
	@$(call configure,mingw-release,$(WINDOWS))
	cmake --build --preset mingw-release -j $(JOBS)

build-fuzz:
	@scripts/install-deps.sh fuzz
	@$(call configure,fuzz,$(FUZZ))
	cmake --build --preset fuzz -j $(JOBS)

build: build-linux build-windows

test-linux: build-linux
	ctest --preset linux -j $(JOBS)

test-asan: build-asan
	ctest --preset linux-asan -j $(JOBS)

# The GUI tests need a display: a virtual one unless there is one already.
XVFB_RUN := $(if $(DISPLAY),,xvfb-run -a -s "-screen 0 1280x1024x24")

test-windows: build-windows
	$(XVFB_RUN) ctest --preset mingw-release -j $(JOBS)

# The module, and txtcvt-cli and dtgen of the same build for its tests to compare with.
python:
	@scripts/install-deps.sh python
	@$(call configure,python,$(PYBUILD))
	cmake --build --preset python -j $(JOBS)
	@echo "import txtcvt works with PYTHONPATH=$(CURDIR)/$(PYBUILD)/site $(PYTHON)"

test-python: python
	PYTHONPATH=$(CURDIR)/$(PYBUILD)/site TXTCVT_BUILD=$(CURDIR)/$(PYBUILD) PYTHONDONTWRITEBYTECODE=1 \
	    $(PYTHON) -m pytest -q -p no:cacheprovider tests/python

test: test-linux test-asan test-windows test-python
	@echo "All Linux, sanitizer, Windows and Python tests passed."

# Only what the demo runs is built, without tests, so that GoogleTest is not needed.
demo:
	@scripts/install-deps.sh demo
	@$(call configure,demo,$(LINUX))
	cmake --build --preset demo -j $(JOBS)
	@scripts/demo.sh $(LINUX)

dist:
	@scripts/install-deps.sh dist
	@$(call configure,dist-linux,build/dist-linux)
	@$(call configure,dist-windows,build/dist-windows)
	cmake --build --preset dist-linux -j $(JOBS)
	cmake --build --preset dist-windows -j $(JOBS)
	rm -rf build/dist-linux/packages build/dist-windows/packages $(DIST)
	cpack --preset dist-linux
	cpack --preset dist-windows
	mkdir -p $(DIST)
	cp build/dist-linux/packages/*.deb build/dist-windows/packages/*.zip $(DIST)/
	@ls -l $(DIST)

# The window of the zip is clicked through its new choices by the screenshots' helper program.
test-dist: dist
	@scripts/install-deps.sh test
	@$(call configure,mingw-release,$(WINDOWS))
	cmake --build --preset mingw-release --target gui_screenshot_driver
	scripts/test-dist.sh $(DIST) build/dist-linux/generated/txtcvt_version.h \
	    $(WINDOWS)/tests/gui/gui_screenshot_driver.exe

fuzz: build-fuzz
	scripts/run-fuzzers.sh $(FUZZ) $(FUZZ_SECONDS)

check-limits: build-linux
	scripts/check-limits.sh $(LINUX)

lint: build-linux
	@scripts/install-deps.sh lint
	scripts/lint.sh $(LINUX)

screenshots: build-windows
	@scripts/install-deps.sh screenshots
	scripts/screenshots.sh $(WINDOWS) docs

clean:
	rm -rf build $(DIST)
