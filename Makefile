# Everyday commands. Each one first installs what is missing and configures
# the build, so a fresh Debian 12 machine needs nothing but make and git.
BUILD_DIR ?= build
BUILD_TYPE ?= Release
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Where `make install` puts Mestrel (bin/, share/mestrel/, the menu entry).
PREFIX ?= /usr/local

.PHONY: all deps configure build run test install package format artwork clean

all: build

deps:
	@sh tools/install-deps.sh

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: deps $(BUILD_DIR)/CMakeCache.txt

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Started from the project folder, where the help pages are found.
run: build
	./$(BUILD_DIR)/mestrel

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

install: build
	cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

# A Debian package in $(BUILD_DIR), installed under /usr.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

artwork: configure
	cmake --build $(BUILD_DIR) --target drawartwork -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/tools/drawartwork resources
	cp resources/image/Help_logo.png HelpShared/Help_logo.png

clean:
	rm -rf $(BUILD_DIR)
