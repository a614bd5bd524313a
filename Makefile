# Front of the CMake builds. `make run` and `make test` are the whole set-up
# on a fresh Debian 12 machine (as root: missing packages are installed).
#
#   build/x64   64-bit deliverables (dist/linux-x64) and their tests
#   build/x86   32-bit deliverables (dist/linux-x86), tests under qemu-i386
#   build/asan  64-bit build under AddressSanitizer + UBSan, tests only
#   build/bench 64-bit optimised benchmarks (make bench)
#   build/fuzz  fuzz targets (clang, libFuzzer); their bounded runs are tests

BUILD    := build
JOBS     ?= $(shell nproc)
PACKAGES := cmake make g++ g++-multilib qemu-user binutils googletest libgtest-dev \
            libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
CONFIGURE = cmake -S . -B $(BUILD)/$(1) -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-$(2).cmake $(3) >/dev/null
# Quiet build of $(1) (targets $(2)); the log is shown when it fails.
BUILD_QUIETLY = @echo "building $(BUILD)/$(1)" && cmake --build $(BUILD)/$(1) -j $(JOBS) $(2) \
  >$(BUILD)/$(1).log 2>&1 || { cat $(BUILD)/$(1).log; exit 1; }

.PHONY: all deps configure build fuzz run test bench clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:" $$missing; \
	  export DEBIAN_FRONTEND=noninteractive; \
	  apt-get install -y -q --no-install-recommends $$missing >/dev/null \
	    || { apt-get update -q >/dev/null && apt-get install -y -q --no-install-recommends $$missing >/dev/null; } \
	    || { echo "could not install:" $$missing; exit 1; }; \
	fi

configure: deps
	@mkdir -p $(BUILD)
	@$(call CONFIGURE,x64,linux-x64,)
	@$(call CONFIGURE,x86,linux-x86,-DQZ_REFERENCE_BUILD=$(CURDIR)/$(BUILD)/x64)
	@$(call CONFIGURE,asan,linux-x64,-DQZ_SANITIZE=ON)

build: configure
	$(call BUILD_QUIETLY,x64,)
	$(call BUILD_QUIETLY,x86,)
	$(call BUILD_QUIETLY,asan,)

# No toolchain file: the fuzz targets need clang, not the toolchains' gcc.
fuzz: deps
	@mkdir -p $(BUILD)
	@cmake -S . -B $(BUILD)/fuzz -DQZ_BUILD_TESTS=OFF -DQZ_BUILD_FUZZERS=ON \
	  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	$(call BUILD_QUIETLY,fuzz,--target fuzzers)

# Every deliverable of dist/ driven by our host on the built-in example channel.
run: deps
	@mkdir -p $(BUILD)
	@$(call CONFIGURE,x64,linux-x64,)
	@$(call CONFIGURE,x86,linux-x86,)
	$(call BUILD_QUIETLY,x64,--target deliverables ami_host)
	$(call BUILD_QUIETLY,x86,--target deliverables ami_host)
	@tools/run_examples.sh $(BUILD)

# One CTest run over the tests of every build, ending with CTest's summary.
test: build fuzz
	@printf 'subdirs("x64")\nsubdirs("x86")\nsubdirs("asan")\nsubdirs("fuzz")\n' > $(BUILD)/CTestTestfile.cmake
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BUILD)/bench -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-linux-x64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DQZ_BUILD_TESTS=OFF -DQZ_BUILD_BENCHMARKS=ON >/dev/null
	cmake --build $(BUILD)/bench -j $(JOBS)
	@tools/run_benchmarks.sh $(BUILD)/bench

clean:
	rm -rf $(BUILD) dist
