# make run [ARGS=file.html]  install what is missing, build, start the editor
# make test                  install what is missing, build, run every test
# make bench                 install what is missing, build, print the speed figures
# make install PREFIX=dir    build, install under dir (default /usr/local)
# make package               build, make the .deb in the build folder
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
JOBS ?= 2
PREFIX ?= /usr/local

.PHONY: deps configure build run test bench install package clean

deps:
	./scripts/install-deps

configure: deps
	@if [ ! -f $(BUILD)/build.ninja ]; then cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS); fi

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/src/tovalo $(ARGS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/tovalo-bench

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
