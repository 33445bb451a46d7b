# Thin wrapper over CMake: installs what the build needs, configures, builds, runs.
# `make run` starts the program, `make test` runs the whole suite.

PACKAGES := cmake make g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
            qt6-base-dev libgl-dev qt6-qpa-plugins fonts-dejavu-core desktop-file-utils appstream
JOBS     ?= $(shell nproc)
SUDO     := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: all deps configure build run test sanitize-test fuzz monkey bench package startup-figures clean

all: build

# Installs only the Debian packages that are missing, and says which.
deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

configure: deps
	cmake --preset default

build: configure
	cmake --build --preset default -j $(JOBS)

run: build
	./build/bin/resonara

test: build
	ctest --preset default -j $(JOBS)

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize-test: deps
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

# The monkey test of the windows at length: MONKEY_EVENTS random events (MONKEY_SEED picks the run).
monkey: build
	MONKEY_EVENTS=$(or $(MONKEY_EVENTS),100000) QT_QPA_PLATFORM=offscreen ./build/bin/ui_monkey_tests --gtest_filter='MonkeyTest.*'

# libFuzzer on the number texts and the command line, FUZZ_SECONDS each (clang, build-fuzz/).
fuzz:
	./scripts/run-fuzzers.sh $(or $(FUZZ_SECONDS),60)

bench: build
	./build/bin/resonara-bench

# The Debian package build/resonara_2.0_amd64.deb (CPack; dpkg-shlibdeps finds
# the library dependencies, and CPack needs `file` to find the programs).
package: PACKAGES += dpkg-dev file
package: build
	cmake --build --preset default --target package

# Start-up time and peak memory of resonara against an empty dialog, RUNS starts each under Xvfb.
startup-figures: PACKAGES += xvfb
startup-figures: build
	./scripts/measure-startup.sh $(or $(RUNS),20)

clean:
	rm -rf build build-sanitize build-fuzz
