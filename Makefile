# Two commands do all the set-up on a fresh Debian 12 or Debian 13 machine:
#   make run    installs what is missing, builds and starts the game
#   make test   the same set-up and the test tools, then every test through CTest

# The Debian packages each job needs, by names that Debian 12 and Debian 13
# both have. fonts-liberation2 is Liberation 2 on Debian 12 and leads to
# fonts-liberation, which holds it, on Debian 13.
GAME_PACKAGES := \
	cmake ninja-build g++ pkg-config \
	qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n \
	fonts-liberation2 fonts-dejavu-core
# The tests: GoogleTest, Xlib to hear the bell, the real game under Xvfb
# driven by xdotool, the desktop files' validators, one save traced, the
# Debian package and lintian, a class folder shared by an SFTP server that
# sshfs mounts on a network of the test's own, and the boxes under Weston
# through Qt's Wayland plugin.
TEST_PACKAGES := \
	libgtest-dev libx11-dev xvfb xauth xdotool desktop-file-utils appstream strace \
	dpkg-dev file lintian sshfs openssh-sftp-server socat iproute2 weston qt6-wayland
PACKAGE_PACKAGES := dpkg-dev file

# What `deps` installs; each target below adds what its job needs.
DEBIAN_PACKAGES = $(GAME_PACKAGES)
# Whether the tests are configured too (they need GoogleTest).
TESTING := OFF

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: all deps test-deps configure build run test package clean

test test-deps: DEBIAN_PACKAGES += $(TEST_PACKAGES)
test: TESTING := ON
package: DEBIAN_PACKAGES += $(PACKAGE_PACKAGES)

all: build

deps:
	@missing=""; \
	for p in $(sort $(DEBIAN_PACKAGES)); do \
		dpkg-query -W -f='$${Status}\n' "$$p" 2>/dev/null | grep -q '^install ok installed$$' \
			|| missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
		echo "Installing:$$missing"; \
		$(SUDO) apt-get update && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

# Only what make test needs, without building: for a machine that is about
# to lose its network, such as the fresh-Debian check.
test-deps: deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DBUILD_TESTING=$(TESTING)

build: configure
	cmake --build $(BUILD_DIR)

run: build
	./$(BUILD_DIR)/zeffirano

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# A Debian package for the school's machines: apt install ./build-package/zeffirano_*.deb
# It is built with Debian's hardening flags, as Debian's own packages are.
# The recipe is a script of its own, so that the package test judges the
# same package.
package: deps
	bash packaging/costruisci_pacchetto.sh build-package
	@ls build-package/zeffirano_*.deb

clean:
	rm -rf $(BUILD_DIR) build-package

# Further targets (sanitizers, fuzzing, benchmarks) live beside this file.
include $(wildcard mk/*.mk)
