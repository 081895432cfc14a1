# Set-up commands: `make run` starts the application, `make test` runs the tests,
# `make soak` the robustness run on file systems it mounts, which `make test`
# leaves out, `make faults` the fault catalogue.
BUILD ?= build
JOBS ?= 2

.PHONY: deps build run test soak faults screenshots package package-check clean

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@scripts/run-app $(BUILD)/bin/KavrinMac

# Two suites at a time: the camera suites mostly wait on the camera's real
# time, and each keeps its own data location and settings.
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) -LE soak

soak: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -L soak

# The fault catalogue (tests/faults/): each known fault put back into a
# scratch copy, and whether the tests named in its patch catch it. By hand;
# FAULTS="name ..." runs a chosen few.
faults: build
	@scripts/faults $(BUILD) $(FAULTS)

screenshots: build
	@scripts/screenshots $(BUILD)

# Debian packages in $(BUILD): kavrinmac, and kavrinmac-virtual-camera for
# demonstrations on machines without a camera.
package: build
	@cmake -S . -B $(BUILD) -DKAVRIN_INSTALL_VIRTUAL_CAMERA=ON >/dev/null
	cd $(BUILD) && cpack

# The packages linted, validated, installed in a clean Debian 12 root and
# started there (scripts/check-package). By hand, as root: it runs
# debootstrap once and keeps the root in $(BUILD)/package-check.
package-check:
	@scripts/check-package $(BUILD)

clean:
	rm -rf $(BUILD)
