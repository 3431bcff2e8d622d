# Two commands do all set-up on a fresh Debian machine:
#   make run    installs what the build needs, builds and starts Dutyloop
#   make test   the same set-up, then the whole test suite on Qt's offscreen platform
#   make install PREFIX=/some/dir   installs Dutyloop into a prefix (default /usr/local)
#   make package        builds the Debian package dutyloop_<version>_<arch>.deb in BUILD_DIR
#   make test-package   builds it, unpacks it and starts the unpacked program
#   make test-asan      the whole suite again under AddressSanitizer, LeakSanitizer and UBSan
#   make fuzz           libFuzzer on colour names and the settings file's text, a minute each
#   make fuzz-ci        the same for ten seconds each, from the committed seeds

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

DEB_PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev \
		qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
		desktop-file-utils appstream dpkg-dev file \
		clang libclang-rt-14-dev clang-format
# /usr/bin/time measures the peak memory of the start-up in `make bench`.
DEB_PACKAGES += time
# pdfinfo reads the PDF that `dutyloop --print-year` writes in the tests.
DEB_PACKAGES += poppler-utils
# lintian checks the Debian package in `make test-package`.
DEB_PACKAGES += lintian
# libical reads the iCalendar files of holidays a user gives.
DEB_PACKAGES += libical-dev
# The holiday rules are checked against Debian's python3-holidays and python3-dateutil.
DEB_PACKAGES += python3-holidays python3-dateutil
# The accessibility test turns on Qt's accessibility through Qt's private platform interface.
DEB_PACKAGES += qt6-base-private-dev
# The export's re-import is tested with the calendar programs the README names.
DEB_PACKAGES += khal calcurse
# The timed export is read back by Debian's python3-icalendar in the tests.
DEB_PACKAGES += python3-icalendar
# The screen-reader tests run the program under the real Orca on a display and buses of their
# own: Xvfb with openbox for the display and its focus, dbus-launch (dbus-x11) for a session
# bus, at-spi2-core for the accessibility bus and its registry, pyatspi, on which Orca and the
# bus test listen, xdotool for the keys, and libfaketime to pin today's date.
DEB_PACKAGES += orca at-spi2-core dbus-x11 xvfb openbox xdotool libfaketime python3-pyatspi
# Passwords of a publishing target live in the desktop's secret store, through QtKeychain; the
# tests keep them in GNOME's, gnome-keyring, on a session bus of their own.
DEB_PACKAGES += qtkeychain-qt6-dev gnome-keyring
# Publishing is tested against Debian's Radicale, a CalDAV server the tests start on 127.0.0.1,
# and read back with python3-caldav, a client of its own (khal, above, reads the vdir folder).
DEB_PACKAGES += radicale python3-caldav
# openssl makes the certificate of the tests' server over HTTPS and prints its fingerprint.
DEB_PACKAGES += openssl
# The reminders' test starts a session bus of its own with dbus-daemon (--next-duty's test pins
# the moment with libfaketime, above).
DEB_PACKAGES += dbus-daemon

SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: all deps configure build configure-dev build-dev run test pictures clean format \
	format-check install package test-package

all: build

deps:
	@missing=""; \
	for p in $(DEB_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

# build, run, install and package make the program alone; test, bench and pictures add the
# tests, benchmarks and tools in the same folder, so nothing is compiled twice. Those three and
# test-package turn warnings into errors, which then stay on in the folder: turning them off
# again would only compile everything once more.
WERROR := -DDUTYLOOP_WARNINGS_AS_ERRORS=ON
test-package: CONFIGURE_ARGS += $(WERROR)

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DBUILD_TESTING=OFF \
	  $(CONFIGURE_ARGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

configure-dev: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DBUILD_TESTING=ON $(WERROR)

build-dev: configure-dev
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/src/dutyloop

test: build-dev
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# Dutyloop's speed beside Qt's own QCalendarWidget, measured in the same run (bench/). The
# figures are printed, never judged; BENCH_ARGS=--quick takes fewer samples.
.PHONY: bench
bench: configure-dev
	cmake --build $(BUILD_DIR) -j $(JOBS) --target dutyloop-bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/dutyloop-bench $(BENCH_ARGS)

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The .deb (CPack; Depends from dpkg-shlibdeps), alone in BUILD_DIR so test-package finds it.
package: build
	rm -f $(BUILD_DIR)/dutyloop_*.deb
	cmake --build $(BUILD_DIR) --target package
	@ls $(BUILD_DIR)/dutyloop_*.deb

test-package: package
	bash packaging/check-package.sh $$(ls $(BUILD_DIR)/dutyloop_*.deb)

# The whole suite again with AddressSanitizer, LeakSanitizer and UBSan, in a build of its own;
# the first report fails the run. Leaks that Qt or a system library keeps would be suppressed in
# tests/lsan.supp; nothing of our own code may be. The tests that pin the clock preload
# libfaketime ahead of the sanitizer's runtime, which it intercepts nothing of.
ASAN_BUILD_DIR ?= build-asan

.PHONY: test-asan
test-asan: deps
	cmake -S . -B $(ASAN_BUILD_DIR) -DCMAKE_BUILD_TYPE=Debug -DDUTYLOOP_SANITIZE=ON \
	  -DBUILD_TESTING=ON $(WERROR)
	cmake --build $(ASAN_BUILD_DIR) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen \
	ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:verify_asan_link_order=0 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  ctest --test-dir $(ASAN_BUILD_DIR) --output-on-failure -j $(JOBS)

# libFuzzer targets for the colour names and the settings file's text (fuzz/), built with clang.
# `make fuzz` runs each for a minute and keeps what it finds in FUZZ_BUILD_DIR/corpus;
# `make fuzz-ci` runs each for ten seconds from the committed seeds in fuzz/corpus.
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_TARGETS := fuzz_colors fuzz_profile

.PHONY: fuzz-build fuzz fuzz-ci
fuzz-build: deps
	cmake -S fuzz -B $(FUZZ_BUILD_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS)

fuzz: fuzz-build
	for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD_DIR)/corpus/$$t && \
	  $(FUZZ_BUILD_DIR)/$$t -max_total_time=60 -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD_DIR)/$$t- $(FUZZ_BUILD_DIR)/corpus/$$t fuzz/corpus/$$t \
	    || exit 1; \
	done

# New inputs go to a scratch folder, so the committed seeds stay as they are.
fuzz-ci: fuzz-build
	for t in $(FUZZ_TARGETS); do \
	  rm -rf $(FUZZ_BUILD_DIR)/ci-corpus/$$t && mkdir -p $(FUZZ_BUILD_DIR)/ci-corpus/$$t && \
	  $(FUZZ_BUILD_DIR)/$$t -max_total_time=10 -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD_DIR)/$$t- $(FUZZ_BUILD_DIR)/ci-corpus/$$t fuzz/corpus/$$t \
	    || exit 1; \
	done

# The README's pictures, rendered by the program itself.
pictures: configure-dev
	cmake --build $(BUILD_DIR) -j $(JOBS) --target dutyloop-screenshots
	$(BUILD_DIR)/tools/dutyloop-screenshots docs
	$(BUILD_DIR)/tools/dutyloop-screenshots docs 2

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

# Fails on any source file that `make format` would change.
format-check: deps
	clang-format --dry-run -Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR)
