# Two commands on a fresh machine: `make run` and `make test`. Both install
# what is missing first, then configure and build into build/.

BUILD_DIR := build

.PHONY: run test package bench build deps

run: build
	./$(BUILD_DIR)/eye-trainer

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure

# The Debian package, build/eye-trainer_1.00_<arch>.deb
package: build
	cmake --build $(BUILD_DIR) --target package

# Every benchmark, about seven minutes; the figures are explained in
# docs/performance.md.
bench: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bench/tick_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bench/timer_bench
	./$(BUILD_DIR)/bench/startup_bench ./$(BUILD_DIR)/eye-trainer ./$(BUILD_DIR)/bench/barewindow 21 3
	bench/instructions.sh ./$(BUILD_DIR)/eye-trainer ./$(BUILD_DIR)/bench/barewindow

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR)

deps:
	scripts/install-deps
