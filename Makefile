# make run     — install what building and running need, build, and start Lumitrak (data files in
#                this folder)
# make test    — install that and the test tools, build, and run every test
# make package — build the Debian package (build/lumitrak_<version>_<arch>.deb)
# make windows — build Lumitrak for Windows, test it under wine, and pack
#                build/windows/lumitrak-<version>-windows-x64.zip and -setup.exe (the first run
#                also builds Qt for Windows, once)
BUILD ?= build
JOBS  ?= $(shell nproc)
CMAKE_FLAGS ?=

# Which packages scripts/install-deps.sh installs (run, package or test), and whether the tests
# are built. Running, packaging and installing need neither GoogleTest nor the test tools.
DEPS  = test
TESTS = ON
run package install: DEPS = run
package: DEPS = package
run package install: TESTS = OFF

.PHONY: all deps configure build run test package install windows clean

all: build

deps:
	@bash scripts/install-deps.sh $(DEPS)

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMITRAK_BUILD_TESTS=$(TESTS) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/lumitrak

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

package: build
	cd $(BUILD) && cpack -G DEB

install: build
	cmake --install $(BUILD)

windows:
	JOBS=$(JOBS) bash scripts/build-windows.sh $(BUILD)/windows

clean:
	rm -rf $(BUILD)
