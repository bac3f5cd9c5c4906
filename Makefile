# Thin wrapper: install what is missing, configure, build, then run, test or benchmark.
BUILD ?= build
JOBS  ?= $(shell nproc)
RUNS  ?= 20

.PHONY: all deps configure build run test bench fuzz sanitize stress clean

all: build

deps:
	./scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/bin/qmeditor $(FILE)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	cmake --build $(BUILD) -j$(JOBS) --target benchmarks
	./scripts/run-benchmarks $(BUILD)
	./scripts/run-startup-bench $(BUILD)

# Fuzz targets under libFuzzer with the sanitizers, in build-fuzz/ (never part of `make test`,
# which replays their corpora).
fuzz:
	./scripts/fuzz

# The whole test suite built with AddressSanitizer and UBSan, in build-sanitize/ (never part
# of `make test`).
sanitize: deps
	JOBS=$(JOBS) ./scripts/sanitize

# The whole suite RUNS times in a row on a machine kept busy (busy loops and a compile), in
# $(BUILD); stops at the first failure (never part of `make test`).
stress: deps
	STRESS_BUILD=$(BUILD) ./scripts/stress-tests $(RUNS)

clean:
	rm -rf $(BUILD)
