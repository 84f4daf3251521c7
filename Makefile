# Everyday commands. Each one first installs what is missing and configures
# the build, so a fresh Debian 12 machine needs nothing but make and git.
# QT=6 builds the same sources on Qt 6 in folders of their own (build-qt6/,
# build-package-qt6/); Qt 5 is the default.
QT ?= 5
ifeq ($(QT),6)
BUILD_DIR ?= build-qt6
PACKAGE_DIR ?= build-package-qt6
DEPS_QT = qt6
else ifeq ($(QT),5)
BUILD_DIR ?= build
else
$(error QT must be 5 or 6)
endif
QT_OPTION = -DMESTREL_QT_MAJOR=$(QT)
BUILD_TYPE ?= Release
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Where `make install` puts Mestrel (bin/, share/mestrel/, the menu entry).
PREFIX ?= /usr/local

.PHONY: all deps configure build run test test-sanitize bench install package package-check package-install-check fuzz format artwork help-pictures help-tables clean

all: build

deps:
	@sh tools/install-deps.sh $(DEPS_QT)

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(QT_OPTION)

configure: deps $(BUILD_DIR)/CMakeCache.txt

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Started from the project folder, where the help pages are found.
run: build
	./$(BUILD_DIR)/mestrel

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every benchmark on a Release build, as one table (tools/bench.sh). Uses
# valgrind's callgrind for instruction counts where it is installed.
bench:
	$(MAKE) build BUILD_TYPE=Release
	sh tools/bench.sh $(BUILD_DIR)

# The whole test suite, the fuzz corpus replay included, built with clang,
# AddressSanitizer and UndefinedBehaviorSanitizer in its own build folder.
# Any sanitizer report fails the test that made it.
SANITIZE_DIR ?= build-sanitize
SANITIZER_ENV = QT_QPA_PLATFORM=offscreen \
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0

test-sanitize:
	@sh tools/install-deps.sh sanitize
	CC=clang CXX=clang++ cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DMESTREL_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

install: build
	cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

# A Debian package in $(PACKAGE_DIR), installed under /usr, built in its own
# folder with Debian's build flags (dpkg-buildflags, all hardening features:
# stack protector, _FORTIFY_SOURCE, RELRO and BIND_NOW) and without the tests.
# Stack clash and branch protection are added as later Debian releases add
# them to every package.
PACKAGE_DIR ?= build-package
BRANCH_PROTECTION_amd64 = -fcf-protection
BRANCH_PROTECTION_arm64 = -mbranch-protection=standard
PACKAGE_CXXFLAGS = -fstack-clash-protection $(BRANCH_PROTECTION_$(shell dpkg-architecture -qDEB_HOST_ARCH))
PACKAGE_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all \
	DEB_CXXFLAGS_MAINT_APPEND="$(PACKAGE_CXXFLAGS)" dpkg-buildflags --get

package: deps
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=None -DMESTREL_TESTS=OFF $(QT_OPTION) \
		-DCMAKE_CXX_FLAGS="$$($(PACKAGE_FLAGS) CPPFLAGS) $$($(PACKAGE_FLAGS) CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$($(PACKAGE_FLAGS) LDFLAGS)"
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	cd $(PACKAGE_DIR) && cpack -G DEB

# The package as Debian's tools see it: lintian, hardening-check,
# appstreamcli, desktop-file-validate and the manual pages (tools/check-package.sh).
package-check: package
	@sh tools/install-deps.sh package-check
	sh tools/check-package.sh $(PACKAGE_DIR)/mestrel_*.deb

# Installs the package into a fresh Debian 12 minbase chroot and runs it
# there (tools/try-package.sh); needs root and Debian's package mirror.
package-install-check: package
	@sh tools/install-deps.sh package-check
	sh tools/try-package.sh $(PACKAGE_DIR)/mestrel_*.deb

# Fuzzes each target of FUZZ_TARGETS for FUZZ_SECONDS in its own clang
# build: the configuration file reader (configfile), mestrel-check's
# printers (checkoutput) and the switch list with its batch plan
# (switchlist). New inputs go to build-fuzz/corpus-TARGET; a
# crashing input is saved as build-fuzz/crash-* (add it to
# tests/fuzz/corpus/TARGET once fixed). Prints the executions per second.
# FUZZ_ASAN keeps AddressSanitizer's quarantine small, which keeps freed
# memory in the cache instead of faulting in new pages on every input. The
# printers' and the switch list's inputs are kept to 2 KiB: a few dozen
# lines reach every rule, and JSON of thousands of lines only slows each run.
FUZZ_SECONDS ?= 60
FUZZ_DIR ?= build-fuzz
FUZZ_TARGETS ?= configfile checkoutput switchlist
FUZZ_ASAN ?= quarantine_size_mb=16:max_malloc_fill_size=0

fuzz:
	@sh tools/install-deps.sh fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMESTREL_FUZZ=ON
	cmake --build $(FUZZ_DIR) --target $(addprefix fuzz_,$(FUZZ_TARGETS)) -j $(JOBS)
	@for target in $(FUZZ_TARGETS); do \
		mkdir -p $(FUZZ_DIR)/corpus-$$target; \
		maxlen=; [ $$target != configfile ] && maxlen=-max_len=2048; \
		ASAN_OPTIONS=$(FUZZ_ASAN) ./$(FUZZ_DIR)/tests/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) $$maxlen \
			-print_final_stats=1 -dict=tests/fuzz/$$target.dict -artifact_prefix=$(FUZZ_DIR)/ \
			$(FUZZ_DIR)/corpus-$$target tests/fuzz/corpus/$$target > $(FUZZ_DIR)/fuzz-$$target.log 2>&1; \
		status=$$?; \
		grep -v '^#' $(FUZZ_DIR)/fuzz-$$target.log | tail -n 20; \
		echo "fuzz_$$target: $$(grep -h 'stat::number_of_executed_units' $(FUZZ_DIR)/fuzz-$$target.log | \
			sed 's/.*: *//') executions, $$(grep -h 'stat::average_exec_per_sec' \
			$(FUZZ_DIR)/fuzz-$$target.log | sed 's/.*: *//') per second"; \
		[ $$status -eq 0 ] || exit $$status; \
	done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

artwork:
	@sh tools/install-deps.sh $(DEPS_QT) artwork
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(QT_OPTION)
	cmake --build $(BUILD_DIR) --target drawartwork -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/tools/drawartwork resources
	cp resources/image/Help_logo.png HelpShared/Help_logo.png

# The window pictures of the help pages, taken from the running window on a
# virtual screen (tools/help-pictures.sh), so they never fall behind it.
help-pictures:
	@sh tools/install-deps.sh $(DEPS_QT) help-pictures
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(QT_OPTION)
	cmake --build $(BUILD_DIR) --target helppictures -j $(JOBS)
	sh tools/help-pictures.sh $(BUILD_DIR) HelpShared

# The table of models in the help pages, made anew from the catalogue
# between its marker comments (tools/helptables); tst_helppages fails while
# a page holds another table.
help-tables: configure
	cmake --build $(BUILD_DIR) --target helptables -j $(JOBS)
	./$(BUILD_DIR)/tools/helptables .

clean:
	rm -rf $(BUILD_DIR) $(PACKAGE_DIR)
