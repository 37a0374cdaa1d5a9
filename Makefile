# make test   build everything and run every test (installs what is missing)
# make run    build and start the program under Wine on a demo registry
# make build  build the native, 64-bit and 32-bit Windows trees
# make bench  build and run the benchmarks
.PHONY: all deps build build-native build-win64 build-win32 check-release test test-native test-win64 run bench clean

BUILD := build
JOBS ?= $(shell nproc)
# Warnings are errors in CI.
WERROR ?= $(if $(CI),ON,OFF)
CMAKE_COMMON := -G Ninja -DTRAMVELT_WERROR=$(WERROR)
WINE_TEST_PREFIX := $(CURDIR)/$(BUILD)/win64/wineprefix

all: build

deps:
	@tools/install-deps.sh

$(BUILD)/native/build.ninja: | deps
	cmake -S . -B $(BUILD)/native $(CMAKE_COMMON) -DTRAMVELT_SANITIZE=ON

$(BUILD)/win64/build.ninja: | deps
	cmake -S . -B $(BUILD)/win64 $(CMAKE_COMMON) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake

$(BUILD)/win32/build.ninja: | deps
	cmake -S . -B $(BUILD)/win32 $(CMAKE_COMMON) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
	  -DTRAMVELT_TESTS=OFF -DCMAKE_BUILD_TYPE=MinSizeRel

build-native: $(BUILD)/native/build.ninja
	cmake --build $(BUILD)/native -j $(JOBS)

build-win64: $(BUILD)/win64/build.ninja
	cmake --build $(BUILD)/win64 -j $(JOBS)

build-win32: $(BUILD)/win32/build.ninja
	cmake --build $(BUILD)/win32 -j $(JOBS)

build: build-native build-win64 build-win32

test-native: build-native
	cd $(BUILD)/native && ctest --output-on-failure -j $(JOBS)

# Windows tests share one virtual display and one throwaway Wine prefix.
test-win64: build-win64
	tools/wine-prefix.sh $(WINE_TEST_PREFIX)
	cd $(BUILD)/win64 && WINEPREFIX=$(WINE_TEST_PREFIX) $(CURDIR)/tools/with-xvfb.sh \
	  $(CURDIR)/tools/wine-session.sh ctest --output-on-failure -j $(JOBS)

test: check-release test-native test-win64

run: build-win64
	tools/run.sh $(CURDIR)/$(BUILD) "$(WINEPREFIX)"

bench: deps
	cmake -S . -B $(BUILD)/bench-win64 $(CMAKE_COMMON) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DTRAMVELT_TESTS=OFF -DTRAMVELT_BENCH=ON -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)/bench-win64 -j $(JOBS)
	cmake -S . -B $(BUILD)/bench-native $(CMAKE_COMMON) -DTRAMVELT_TESTS=OFF -DTRAMVELT_BENCH=ON \
	  -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)/bench-native -j $(JOBS)
	tools/bench.sh $(CURDIR)/$(BUILD)

clean:
	rm -rf $(BUILD)
