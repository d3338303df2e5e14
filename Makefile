# Set-up, build and test of QOR-EuroMillon.
#   make run    installs what is missing, builds and starts the program
#   make test   installs what is missing, checks the formatting, builds and
#               runs every test, the sanitizer build of the core tests included
#   make fuzz   builds the fuzz harnesses with clang and runs each one for
#               FUZZ_SECONDS (default 60), printing a table of the results;
#               FUZZ_ONLY="tree_stream ..." runs only the harnesses named

BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_ONLY    ?=
JOBS       ?= $(shell nproc)
# Warnings are errors for the project's own checks (make test, CI), not for a
# user's build, which a newer compiler's new warning must not break.
WERROR     ?= OFF
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

PACKAGES := cmake make g++ pkg-config libgtest-dev libgmock-dev \
            qt6-base-dev qt6-qpa-plugins libgl-dev libxlsxwriter-dev xvfb \
            xauth fonts-dejavu-core ccache qt6-translations-l10n \
            poppler-utils python3-openpyxl qt6-charts-dev \
            libqt6opengl6-dev clang libclang-rt-dev dpkg-dev clang-format \
            fonts-liberation2 fonts-urw-base35 libzip-dev

.PHONY: all deps configure build build-asan build-fuzz test test-core test-asan fuzz run bench screenshot format format-check \
        clean install package

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

# ccache keeps rebuilds of other checkouts of the tree cheap; paths below
# the parent folder are hashed relative to it.
export CCACHE_BASEDIR ?= $(abspath ..)
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER)

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DWITH_GUI=OFF -DWITH_BENCH=OFF -DWITH_SANITIZERS=ON $(LAUNCHER)

$(FUZZ_BUILD)/CMakeCache.txt:
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DWITH_FUZZERS=ON -DWITH_GUI=OFF -DWITH_TESTS=OFF -DWITH_BENCH=OFF $(LAUNCHER)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake -S . -B $(BUILD) -DWITH_WERROR=$(WERROR) >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake -S . -B $(ASAN_BUILD) -DWITH_WERROR=$(WERROR) >/dev/null
	cmake --build $(ASAN_BUILD) -j $(JOBS)

build-fuzz: deps $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers

fuzz: build-fuzz
	tools/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_ONLY)

test test-core test-asan: WERROR = ON

test-core: build
	ctest --test-dir $(BUILD) --output-on-failure --no-tests=error -j $(JOBS)

test-asan: build-asan
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure --no-tests=error -j $(JOBS)

test: format-check test-core test-asan

run: build
	$(BUILD)/bin/qor-euromillon

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b; done

screenshot: build
	tools/screenshot.sh $(BUILD)/bin

# The program folder into PREFIX (executables, language files, manuals,
# Sorteos with the default archive, Boletos, Listados).
PREFIX ?= /opt/qor-euromillon
install: build
	cmake --install $(BUILD) --prefix $(PREFIX) --component program

# A Debian package installing under /opt/qor-euromillon, with the launcher
# in /usr/bin and the desktop entry, icons and MIME types; written to build/.
package: build
	cd $(BUILD) && cpack -G DEB

# Every C++ file of the tree, for make format and the check in make test.
FORMAT_FILES = find src tests bench fuzz tools -name '*.cpp' -o -name '*.h'

format: deps
	$(FORMAT_FILES) | xargs clang-format -i

format-check: deps
	$(FORMAT_FILES) | xargs clang-format --dry-run -Werror

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
