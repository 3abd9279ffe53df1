# make test-fresh-debian [DEBIAN_RELEASE=trixie]
#   the README's `make test` as a newcomer meets it: on a minimal Debian root
#   made with debootstrap, from a clean clone of this project, as root.
#   DEBIAN_RELEASE is trixie (Debian 13) or bookworm (Debian 12).
DEBIAN_RELEASE ?= trixie
FRESH_DIR ?= build-debian

.PHONY: test-fresh-debian

test-fresh-debian: DEBIAN_PACKAGES = debootstrap git
test-fresh-debian: deps
	bash tests/sistema/debian_nuova.sh $(DEBIAN_RELEASE) $(FRESH_DIR)
