# Entry points for people and CI. Everything real is in CMake.
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
CORE_BUILD ?= build-core
FUZZ_BUILD ?= build-fuzz
# How long `make fuzz` runs each fuzz target.
FUZZ_SECONDS ?= 60
# Where `make install` puts the programs; DESTDIR, taken from the environment or the command
# line, stages the whole tree under another root.
PREFIX ?= /usr/local

.PHONY: all deps build run run-show test test-core test-release test-sanitizers bench fuzz clean \
        install uninstall package

all: build

deps:
	@tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/trochograph/trochograph

run-show: build
	$(BUILD)/trochograph-ss/trochograph-ss

test: test-core test-release test-sanitizers

# The core alone, configured without Qt: it fails to build if anything there needs Qt.
test-core: deps
	cmake -S . -B $(CORE_BUILD) -DCMAKE_BUILD_TYPE=Release -DTROCHOGRAPH_QT=OFF -DTROCHOGRAPH_BENCH=OFF
	cmake --build $(CORE_BUILD) -j $(JOBS)
	ctest --test-dir $(CORE_BUILD) --output-on-failure -j $(JOBS)

test-release: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-sanitizers: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTROCHOGRAPH_SANITIZE=ON -DTROCHOGRAPH_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/trochograph_bench
	$(BUILD)/bench/trochograph_window_bench
	$(BUILD)/bench/trochograph_show_window_bench

# The fuzz targets of tests/fuzz built with clang's libFuzzer (and ASan + UBSan), each run
# for FUZZ_SECONDS from its seed corpus; see tools/fuzz.sh. make test replays the corpora.
fuzz:
	@tools/install-deps.sh fuzz
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	      -DTROCHOGRAPH_FUZZ=ON -DTROCHOGRAPH_QT=OFF -DTROCHOGRAPH_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	tools/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Build first as yourself (make), then `sudo make install`. uninstall removes the files
# listed in $(BUILD)/install_manifest.txt, which the last install wrote; a staged install
# is uninstalled with the same DESTDIR.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX)

uninstall:
	DESTDIR="$(DESTDIR)" cmake --build $(BUILD) --target uninstall

# build/trochograph_<version>_<arch>.deb, installing into /usr.
package: build
	cd $(BUILD) && cpack --config CPackConfig.cmake

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(CORE_BUILD) $(FUZZ_BUILD)
