# make        builds the native core and tests, and Quellar.exe for i686 and x86_64
# make run    builds, then runs Quellar.exe under Wine (inside Xvfb when there is no display)
# make test   builds everything and runs the native and the Wine tests
# make dist   leaves dist/Quellar-VERSION-win32.zip and -win64.zip, and dist/SHA256SUMS
# make bench  prints size, imports, start-up time, countdown accuracy and idle cost
.PHONY: all native i686 x86_64 run test template dist bench clean

JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# The Wine groups mostly wait for the program, so three run at once per core;
# their checks that nothing happens wait longer as the host slows.
TEST_JOBS ?= $(shell echo $$((3 * $(JOBS))))
BUILD := build
# Every package the goals need is looked for before anything is built, so
# that a missing one is asked for once.
DEPS := $(if $(filter run test bench,$(MAKECMDGOALS)),test,build)

all: native i686 x86_64

native:
	@scripts/deps.sh $(DEPS)
	cmake -S . -B $(BUILD)/native -DQUELLAR_WIN64_BUILD_DIR=$(CURDIR)/$(BUILD)/x86_64 \
	  -DQUELLAR_WIN32_BUILD_DIR=$(CURDIR)/$(BUILD)/i686 >/dev/null
	cmake --build $(BUILD)/native -j $(JOBS)

i686 x86_64:
	@scripts/deps.sh $(DEPS)
	cmake -S . -B $(BUILD)/$@ -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-$@.cmake >/dev/null
	cmake --build $(BUILD)/$@ -j $(JOBS)

run: x86_64
	@scripts/deps.sh wine
	scripts/run.sh $(BUILD)/x86_64/Quellar.exe

# The Wine prefix that the tests copy is booted while the programs build.
test:
	@scripts/deps.sh test
	$(MAKE) --no-print-directory -j4 all template
	cd $(BUILD)/native && $(CURDIR)/tests/run-tests.sh -j $(TEST_JOBS)

template:
	e2e/template.sh $(CURDIR)/$(BUILD)/native/wine-prefix-template

dist: i686 x86_64
	scripts/dist.sh $(BUILD) dist

bench: native i686 x86_64
	@scripts/deps.sh wine
	bench/bench.sh $(BUILD)
	bench/countdown.sh $(BUILD)/x86_64
	bench/idle.sh $(BUILD)

clean:
	rm -rf $(BUILD) dist
