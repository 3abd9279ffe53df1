# make test-orca: a short race played by ear under the real Orca screen
# reader (tests/sistema/ascolto_orca.sh): each exercise said as it arrives,
# the verdict with the right fraction and the counters said after each
# answer. It brings a desktop's accessibility stack of its own (Orca,
# speech-dispatcher, the AT-SPI buses), so it is not part of `make test`.
ORCA_PACKAGES := orca speech-dispatcher python3-speechd at-spi2-core dbus-daemon dbus-bin \
	xvfb xauth xdotool

.PHONY: test-orca test-orca-deps

test-orca test-orca-deps: DEBIAN_PACKAGES += $(ORCA_PACKAGES)
test-orca: build
	bash tests/sistema/ascolto_orca.sh $(BUILD_DIR)/zeffirano

# Its packages alone, for a machine about to lose its network.
test-orca-deps: deps
