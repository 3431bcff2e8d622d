# Two commands do all set-up on a fresh Debian machine:
#   make run    installs what the build needs, builds and starts Dutyloop
#   make test   the same set-up, then the whole test suite on Qt's offscreen platform

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

DEB_PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev

SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: all deps configure build run test pictures clean format

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

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DDUTYLOOP_WARNINGS_AS_ERRORS=ON

configure: deps $(BUILD_DIR)/CMakeCache.txt

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/src/dutyloop

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# The README's pictures, rendered by the program itself.
pictures: build
	$(BUILD_DIR)/tools/dutyloop-screenshots docs
	$(BUILD_DIR)/tools/dutyloop-screenshots docs 2

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR)
