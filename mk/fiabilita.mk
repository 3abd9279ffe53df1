# Reliability beside the two commands:
#   make test-sanitize            everything `make test` runs, built with g++
#                                 under AddressSanitizer and
#                                 UndefinedBehaviorSanitizer, stopping at the
#                                 first fault
#   make fuzz [FUZZ_SECONDS=60]   each fuzz target in fuzz/ for that long,
#                                 built with Debian's clang (14 on Debian
#                                 12, 19 on Debian 13) and libFuzzer; new
#                                 inputs go to $(FUZZ_DIR)/trovati, inputs
#                                 that break a target to $(FUZZ_DIR)/guasti

SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := lettura giudizio record decfraz numerofrazione

# Leaks are looked for in every test program as it ends, and none is
# excused: Qt and fontconfig keep what they hold reachable, so nothing needs
# suppressing. (The game under Xvfb is ended by a signal, so there only
# memory errors count.) strict_string_checks stays off: it takes
# libxkbcommon's lawful strndup() of a counted X reply for an overflow.
SANITIZE_ENV := \
	ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

.PHONY: test-sanitize fuzz

test-sanitize: DEBIAN_PACKAGES += $(TEST_PACKAGES)
fuzz: DEBIAN_PACKAGES += clang libclang-rt-dev

test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		-DCMAKE_CXX_COMPILER=g++ -DZEFFIRANO_SANITIZE=ON -DBUILD_TESTING=ON
	cmake --build $(SANITIZE_DIR)
	cd $(SANITIZE_DIR) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# Each target's log is kept in $(FUZZ_DIR); only its closing figures are
# shown (runs, coverage, features, corpus, memory), or its end when it broke.
fuzz: deps
	cmake -S fuzz -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_DIR)
	@mkdir -p $(FUZZ_DIR)/guasti
	@for t in $(FUZZ_TARGETS); do \
		mkdir -p $(FUZZ_DIR)/trovati/$$t; \
		echo "fuzz_$$t: $(FUZZ_SECONDS) s"; \
		if ! $(FUZZ_DIR)/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
			-print_final_stats=1 -artifact_prefix=$(FUZZ_DIR)/guasti/$$t- \
			$(FUZZ_DIR)/trovati/$$t fuzz/corpus/$$t >$(FUZZ_DIR)/$$t.log 2>&1; then \
			tail -n 40 $(FUZZ_DIR)/$$t.log; \
			echo "fuzz_$$t failed: the input is in $(FUZZ_DIR)/guasti/"; \
			exit 1; \
		fi; \
		grep -E '^#[0-9]+' $(FUZZ_DIR)/$$t.log | tail -n 1; \
	done; \
	echo "fuzz: $(words $(FUZZ_TARGETS)) passed, 0 failed"
