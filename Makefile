# Telkompas — the two everyday commands are `make run` and `make test`.
# Both install the Debian packages that are missing, configure and build.

SHELL := /bin/bash
export CCACHE_BASEDIR := $(CURDIR)

BUILD_PKGS := build-essential cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools \
              libgl-dev libfontconfig-dev fonts-comic-neue fonts-dejavu-core qt6-translations-l10n \
              qt6-charts-dev
TEST_PKGS  := $(BUILD_PKGS) xvfb xauth xdotool appstream desktop-file-utils poppler-utils
BENCH_PKGS := $(BUILD_PKGS) libbenchmark-dev libmuparser-dev xvfb xauth
FUZZ_PKGS  := $(BUILD_PKGS) clang libclang-rt-dev

JOBS ?= $(shell nproc)

.PHONY: all run test bench fuzz package screenshots deps-build deps-test deps-bench deps-fuzz build clean format

all: build

define install_missing
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:$$missing"; \
	  if [ "$$(id -u)" -ne 0 ]; then \
	    if command -v sudo >/dev/null; then SUDO=sudo; else \
	      echo "These Debian packages are missing:$$missing"; \
	      echo "Run 'make' as root, or install them with: apt-get install$$missing"; exit 1; fi; \
	  fi; \
	  $$SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi
endef

deps-build: ; $(call install_missing,$(BUILD_PKGS))
deps-test:  ; $(call install_missing,$(TEST_PKGS))
deps-bench: ; $(call install_missing,$(BENCH_PKGS))
deps-fuzz:  ; $(call install_missing,$(FUZZ_PKGS))

build/release/build.ninja:
	cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release

build: deps-build build/release/build.ninja
	cmake --build build/release -j $(JOBS) --target telkompas

# Starts the program in the current directory: results files land here.
run: build
	./build/release/telkompas

build/asan/build.ninja:
	cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTK_SANITIZE=ON -DTK_WERROR=ON

test: deps-test build/asan/build.ninja
	cmake --build build/asan -j $(JOBS)
	cd build/asan && ctest --output-on-failure -j $(JOBS)

build/bench/build.ninja:
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTK_BENCH=ON

bench: deps-bench build/bench/build.ninja
	cmake --build build/bench -j $(JOBS) --target benchmarks
	cd build/bench && ./bench/run_benchmarks.sh

build/fuzz/build.ninja:
	CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTK_FUZZ=ON

FUZZ_RUNS ?= 10000000
fuzz: deps-fuzz build/fuzz/build.ninja
	cmake --build build/fuzz -j $(JOBS) --target fuzzers
	cd build/fuzz && for f in fuzz/fuzz_*; do [ -f "$$f" ] && [ -x "$$f" ] || continue; \
	  echo "== $$f"; len=200; corpus=; \
	  case $$f in *results_reader) len=4096; mkdir -p corpus/results; \
	    corpus="corpus/results ../../fuzz/corpus/results";; esac; \
	  ./$$f -runs=$(FUZZ_RUNS) -max_len=$$len $$corpus || exit 1; done

# A Debian package of the release build: build/release/telkompas_*.deb
package: deps-build build/release/build.ninja
	cmake --build build/release -j $(JOBS) --target telkompas
	cd build/release && cpack -G DEB

# Every form rendered to PNG, at scale 1 and 2.
screenshots: deps-build build/release/build.ninja
	cmake --build build/release -j $(JOBS) --target telkompas_screenshots
	./build/release/telkompas_screenshots docs/screenshots
	QT_SCALE_FACTOR=2 ./build/release/telkompas_screenshots docs/screenshots/scale2

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
