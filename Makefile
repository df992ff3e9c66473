# The two entry points of the README: `make run` and `make test`.
BUILD      ?= build
TEST_BUILD ?= build-test
JOBS       ?= $(shell nproc)

.PHONY: run test build deps clean

deps:
	@bash scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSHOOTER_TESTS=OFF >/dev/null
	cmake --build $(BUILD) -j $(JOBS) --target shooter_game

run: build
	./$(BUILD)/shooter

test: deps
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSHOOTER_SANITIZE=ON >/dev/null
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) $(TEST_BUILD)
