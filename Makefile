# The two set-up commands: `make run` builds and runs the generator,
# `make test` builds and runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build clean

build:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DAVVISI_COME_ERRORI=ON
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/generatore

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
