# Front door for the two everyday jobs; CMake does the real work.
BUILD     ?= build
ASAN_BUILD ?= build-asan
JOBS      ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all build test demo asan-test bench clean

all: build

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

asan-test:
	$(MAKE) test BUILD=$(ASAN_BUILD) CMAKE_ARGS="-DZORVAN_SANITIZE=ON -DZORVAN_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug"

demo: build
	./examples/run-demo $(BUILD)

bench: build
	./bench/run $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
