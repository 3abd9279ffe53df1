# make bench: a Release build of its own with the programs in bench/, then
# every benchmark beside bare Qt under an Xvfb of its own, as one table.
# Not a test: nothing here can fail because a shared machine was slow.
BENCH_DIR ?= build-bench

.PHONY: bench

bench: DEBIAN_PACKAGES += xvfb xauth xdotool libxcb1-dev

bench: deps
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DZEFFIRANO_BENCH=ON \
		-DBUILD_TESTING=OFF
	cmake --build $(BENCH_DIR)
	bash bench/esegui.sh $(BENCH_DIR)
