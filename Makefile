# Two commands on a fresh machine: `make run` and `make test`. Both install
# what is missing first, then configure and build into build/. `make run`
# builds and installs only what running needs; `make test` adds the tests.

BUILD_DIR := build
SANITIZE_DIR := build-sanitize
# CI passes WARNINGS_AS_ERRORS=ON; a newer compiler's new warnings should not
# stop a user's build.
WARNINGS_AS_ERRORS ?= OFF
CONFIGURE = cmake -G Ninja -DCMAKE_COMPILE_WARNING_AS_ERROR=$(WARNINGS_AS_ERRORS)

.PHONY: run test test-sanitize test-debian13 package bench build build-tests deps test-deps

run: build
	./$(BUILD_DIR)/eye-trainer

# The tests that can run side by side do: the desktops' one at a time.
test: build-tests
	ctest --test-dir $(BUILD_DIR) --output-on-failure --parallel $(shell nproc)

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer;
# the packaging checks read what a release ships, so they are left out.
test-sanitize: test-deps
	$(CONFIGURE) -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DEYETRAINER_SANITIZE=ON
	cmake --build $(SANITIZE_DIR)
	ctest --test-dir $(SANITIZE_DIR) --output-on-failure --label-exclude packaging --parallel $(shell nproc)

# `make test` again, in a clean clone inside a Debian 13 root that is made
# once and kept under /var/cache (scripts/test-debian13); needs root.
test-debian13:
	scripts/test-debian13 WARNINGS_AS_ERRORS=$(WARNINGS_AS_ERRORS)

# The Debian package, build/eye-trainer_<version>_<arch>.deb
package: build-tests
	cmake --build $(BUILD_DIR) --target package

# Every benchmark, about seven minutes; the figures are explained in
# docs/performance.md.
bench: build-tests
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bench/tick_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bench/timer_bench
	scripts/x-session -- ./$(BUILD_DIR)/bench/startup_bench ./$(BUILD_DIR)/eye-trainer ./$(BUILD_DIR)/bench/barewindow 21 3
	bench/instructions.sh ./$(BUILD_DIR)/eye-trainer ./$(BUILD_DIR)/bench/barewindow

build: deps
	$(CONFIGURE) -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
	cmake --build $(BUILD_DIR)

build-tests: test-deps
	$(CONFIGURE) -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
	cmake --build $(BUILD_DIR)

deps:
	scripts/install-deps

test-deps:
	scripts/install-deps --test
