# Set-up, build and run in one step on a fresh Debian 12 machine.
#   make run    start Coilwise
#   make test   run every test
PACKAGES := cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev libsimdjson-dev libfmt-dev \
            clang libclang-rt-14-dev xvfb xauth xdotool x11-utils fonts-liberation2 poppler-utils \
            desktop-file-utils dpkg-dev clang-format lintian help2man appstream valgrind
SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: run test sanitize fuzz fuzz-long fuzz-build fuzz-run bench bench-instructions package deps release
run: release
	./build/release/src/app/coilwise

test: release
	ctest --preset release

sanitize: deps
	cmake --preset dev
	cmake --build --preset dev
	ctest --preset dev

# Each reader is fuzzed for FUZZ_SECONDS, starting from its seed corpus; the last lines show what
# each run reached (executions and coverage). fuzz-long runs longer and keeps what it finds in the
# corpus under fuzz/corpus/, so that the next run starts from there.
FUZZ_TARGETS := design_file settings_file number_text jsonl_line json_calculation preferences_file
fuzz: fuzz-build
	@$(MAKE) --no-print-directory fuzz-run FUZZ_SECONDS=$(or $(FUZZ_SECONDS),30) FUZZ_KEEP=

fuzz-long: fuzz-build
	@$(MAKE) --no-print-directory fuzz-run FUZZ_SECONDS=$(or $(FUZZ_SECONDS),600) FUZZ_KEEP=yes

fuzz-build: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	cmake --preset fuzz-qt
	cmake --build --preset fuzz-qt

fuzz-run:
	@summary=$$(mktemp); \
	for target in $(FUZZ_TARGETS); do \
	  binary=./build/fuzz/fuzz/fuzz_$$target; [ -x $$binary ] || binary=./build/fuzz-qt/fuzz/fuzz_$$target; \
	  work=$$(mktemp -d); log=$$(mktemp); \
	  if [ -n "$(FUZZ_KEEP)" ]; then found=fuzz/corpus/$$target; else found=$$work; fi; \
	  $$binary -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    $$found fuzz/corpus/$$target 2>$$log || { tail -n 40 $$log; rm -rf $$work $$log $$summary; exit 1; }; \
	  printf '%-18s %s, %s\n' $$target "$$(grep -o 'cov: [0-9]* ft: [0-9]*' $$log | tail -n 1)" \
	    "$$(grep -o 'number_of_executed_units: [0-9]*' $$log | sed 's/.*: /executions: /')" >>$$summary; \
	  rm -rf $$work $$log; \
	done; \
	echo "Final coverage of each fuzz target:"; cat $$summary; rm -f $$summary

bench: release
	./build/release/bench/coilwise_bench

# Instructions per design under callgrind: exact, so a change compares on a busy machine too.
bench-instructions: release
	cmake --build --preset release --target bench_instructions

# A Debian package of the release build, in build/release.
package: release
	cd build/release && cpack -G DEB

release: deps
	cmake --preset release
	cmake --build --preset release

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
