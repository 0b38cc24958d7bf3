# make run [ARGS=file.html]  install what is missing, build, start the editor
# make test                  install what is missing, build, run every test
# make bench                 install what is missing, build, print the speed figures
# make asan                  the whole suite again, built with the address and undefined-behaviour sanitizers
# make fuzz [FUZZ_SECONDS=60] build the libFuzzer targets with clang and run each for FUZZ_SECONDS
# make install PREFIX=dir    build, install under dir (default /usr/local)
# make package               build, make the .deb in the build folder
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
JOBS ?= 2
PREFIX ?= /usr/local
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = fuzz_colorscanner fuzz_tagnamescan fuzz_textcodec fuzz_textconversions \
  fuzz_codingadvice fuzz_linktargets fuzz_pagesettings fuzz_linecuts
# ccache keeps the second and later builds of CI within its time on two cores.
# It is looked for when a build is configured, after the packages are installed.
# Paths inside the checkout are hashed relative to it, so a fresh clone in
# another folder still finds the objects compiled before.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1
LAUNCHER = $(if $(shell command -v ccache 2>/dev/null),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache,)
SAN_FLAGS = -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
# Qt and the system report a few things of their own; see the comments in the file.
SAN_ENV = ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1:detect_leaks=1 \
  UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0

.PHONY: deps configure build run test bench install package clean asan fuzz

deps:
	./scripts/install-deps

configure: deps
	@if [ ! -f $(BUILD)/build.ninja ]; then cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) $(LAUNCHER); fi

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/src/tovalo $(ARGS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/tovalo-bench

asan: deps
	@if [ ! -f $(ASAN_BUILD)/build.ninja ]; then cmake -S . -B $(ASAN_BUILD) -G Ninja $(LAUNCHER) \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g -DNDEBUG" \
	  -DCMAKE_CXX_FLAGS="$(SAN_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SAN_FLAGS)" \
	  -DCMAKE_MODULE_LINKER_FLAGS="$(SAN_FLAGS)"; fi
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && $(SAN_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

fuzz: deps
	@if [ ! -f $(FUZZ_BUILD)/build.ninja ]; then CXX=clang++-14 cmake -S . -B $(FUZZ_BUILD) -G Ninja $(LAUNCHER) \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOVALO_LIBFUZZER=ON \
	  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer"; fi
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(FUZZ_TARGETS)
	@set -e; for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t; \
	  echo "fuzz: $$t for $(FUZZ_SECONDS) s"; \
	  ASAN_OPTIONS=halt_on_error=1:detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	    ./$(FUZZ_BUILD)/tests/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/$$t- $(FUZZ_BUILD)/corpus/$$t tests/fuzz/corpus/$$t; \
	done

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
