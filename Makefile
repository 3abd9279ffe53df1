# Two commands do all the set-up on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and starts the game
#   make test   the same set-up, then every test through CTest

# Every Debian package the game and its tests need, in one place.
DEBIAN_PACKAGES := \
	cmake ninja-build g++ pkg-config \
	qt6-base-dev qt6-base-dev-tools libgl-dev \
	libgtest-dev \
	fonts-liberation2 fonts-dejavu-core \
	xvfb xauth xdotool libxcb1-dev \
	clang-14 libclang-rt-14-dev \
	qt6-translations-l10n desktop-file-utils appstream dpkg-dev strace

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: all deps configure build run test package clean

all: build

deps:
	@missing=""; \
	for p in $(DEBIAN_PACKAGES); do \
		dpkg-query -W -f='$${Status}\n' "$$p" 2>/dev/null | grep -q '^install ok installed$$' \
			|| missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
		echo "Installing:$$missing"; \
		$(SUDO) apt-get update && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR)

run: build
	./$(BUILD_DIR)/zeffirano

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# A Debian package for the school's machines: apt install ./build-package/zeffirano_*.deb
package: deps
	cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build build-package
	cd build-package && cpack -G DEB
	@ls build-package/zeffirano_*.deb

clean:
	rm -rf $(BUILD_DIR) build-package

# Further targets (sanitizers, fuzzing, benchmarks) live beside this file.
include $(wildcard mk/*.mk)
