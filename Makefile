# Dravino's two commands for a fresh Debian or Ubuntu machine:
#   make run    installs what is missing, builds and opens the window
#   make test   the same set-up, then the whole suite headless through CTest

BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Build and test: compiler, Qt 6 with its own Italian texts, its
# translation tools (the English window) and its SQLite and PostgreSQL
# drivers (the archive of scale checks, on the bench or shared on a
# server), libcups to hear
# what became of a print job, the fonts the layout is measured in,
# poppler-utils to read printed PDFs back, and a technician's desktop for the
# window suites: an X server with a window manager and the Italian locale.
PACKAGES := cmake make g++ qt6-base-dev libgl-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libcups2-dev libqt6sql6-sqlite libqt6sql6-psql libxlsxwriter-dev libqt6svg6 libsigrokcxx-dev libglibmm-2.4-dev pkgconf dosfstools fusefat \
            fonts-liberation2 fonts-crosextra-carlito fonts-dejavu-core poppler-utils python3 \
            xvfb xauth openbox locales
# Screenshots of the panels and pictures of printed pages.
SCREENSHOT_PACKAGES := xvfb xauth openbox imagemagick
# The accessibility bus and a client of it, for make a11y.
A11Y_PACKAGES := at-spi2-core dbus python3-pyatspi

.PHONY: deps build run test quick portable monkey a11y package bench sanitize fuzz fuzz-smoke screenshots clean

define install_missing
	@missing=$$(for p in $(1); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))
	@locale -a 2>/dev/null | grep -qix 'it_IT\.utf-\?8' || { \
	    echo "Generating the it_IT.UTF-8 locale"; \
	    if [ -f /etc/locale.gen ]; then \
	        $(SUDO) sed -i 's/^# *\(it_IT\.UTF-8 UTF-8\)/\1/' /etc/locale.gen; \
	        grep -q '^it_IT.UTF-8 UTF-8' /etc/locale.gen || echo 'it_IT.UTF-8 UTF-8' | $(SUDO) tee -a /etc/locale.gen >/dev/null; \
	        $(SUDO) locale-gen >/dev/null; \
	    fi; \
	    locale -a | grep -qix 'it_IT\.utf-\?8' || $(SUDO) locale-gen it_IT.UTF-8 >/dev/null; \
	}

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

# The program alone: the test programs wait for make test.
run: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS) --target dravino
	./$(BUILD)/dravino

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# The edit-build-test loop: the core, the window and the documents.
quick: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -L quick

# A longer monkey: make monkey SEEDS=1,2,777 EVENTS=100000
SEEDS ?= 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20
EVENTS ?= 100000
monkey: build
	QT_QPA_PLATFORM=offscreen DRAVINO_MONKEY_SEEDS=$(SEEDS) DRAVINO_MONKEY_EVENTS=$(EVENTS) ./$(BUILD)/tests/tst_monkey

# What a screen reader finds: the AT-SPI tree and the Tab cycle of every
# panel (docs/accessibility.md shows what it printed).
a11y: build
	$(call install_missing,$(A11Y_PACKAGES))
	tools/a11y.sh $(BUILD)

PORTABLE_TESTS := tst_core tst_window tst_documents tst_cups tst_printer tst_archive
# The build a port to Windows takes: printing through Qt (no CUPS), files
# through Qt's portable calls; its quick suite, the printer and the
# archive's files.
portable: deps
	cmake -S . -B build-portable -DCMAKE_BUILD_TYPE=Debug -DDRAVINO_CUPS=OFF -DDRAVINO_PORTABLE_FILES=ON
	cmake --build build-portable -j$(JOBS) --target dravino $(PORTABLE_TESTS)
	cd build-portable && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -L 'quick|portable'

# A .deb of an optimised build, in build-release/.
package: deps
	$(call install_missing,dpkg-dev)
	cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build build-release -j$(JOBS) --target dravino
	cd build-release && cpack -G DEB

# Speed and memory, on an optimised build, headless.
bench: deps
	cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release
	cmake --build build-release -j$(JOBS) --target dravino_bench
	QT_QPA_PLATFORM=offscreen build-release/bench/dravino_bench

# The whole suite and the monkey under AddressSanitizer and UBSan.
SAN_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug \
	    -DCMAKE_CXX_FLAGS="$(SAN_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SAN_FLAGS)"
	cmake --build build-sanitize -j$(JOBS)
	cd build-sanitize && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure

# libFuzzer targets (clang): FUZZ_SECONDS each, corpora kept in fuzz/corpus.
FUZZ_SECONDS ?= 120
FUZZ_TARGETS := wholenumber converter printcount scale sensata archive calibration tracefile
fuzz-build:
	$(call install_missing,clang libclang-rt-dev)
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DDRAVINO_FUZZ=ON
	cmake --build build-fuzz -j$(JOBS)
fuzz: fuzz-build
	@for t in $(FUZZ_TARGETS); do \
	    mkdir -p build-fuzz/corpus/$$t; \
	    build-fuzz/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	        -artifact_prefix=build-fuzz/ build-fuzz/corpus/$$t fuzz/corpus/$$t 2>build-fuzz/$$t.log \
	        || { tail -40 build-fuzz/$$t.log; exit 1; }; \
	    printf '%-12s %s executions\n' $$t "$$(sed -n 's/^stat::number_of_executed_units: *//p' build-fuzz/$$t.log)"; \
	done
fuzz-smoke:
	$(MAKE) fuzz FUZZ_SECONDS=10

screenshots: build
	$(call install_missing,$(SCREENSHOT_PACKAGES))
	tools/screenshots.sh $(BUILD)

clean:
	rm -rf $(BUILD)
