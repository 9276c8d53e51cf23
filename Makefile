# Dravino's two commands for a fresh Debian or Ubuntu machine:
#   make run    installs what is missing, builds and opens the window
#   make test   the same set-up, then the whole suite headless through CTest

BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Build and test: compiler, Qt 6 and the fonts the layout is measured in,
# poppler-utils to read printed PDFs back.
PACKAGES := cmake make g++ qt6-base-dev libgl-dev \
            fonts-liberation2 fonts-crosextra-carlito fonts-dejavu-core poppler-utils
# Screenshots of the panels and pictures of printed pages.
SCREENSHOT_PACKAGES := xvfb xauth imagemagick

.PHONY: deps build run test screenshots clean

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

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/dravino

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

screenshots: build
	$(call install_missing,$(SCREENSHOT_PACKAGES))
	tools/screenshots.sh $(BUILD)

clean:
	rm -rf $(BUILD)
