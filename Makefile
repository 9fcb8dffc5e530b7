# The commands of the README. `make` alone installs what is missing and builds every preset.
.PHONY: all deps build test bench format

all: deps build

deps:
	scripts/install-deps.sh

build:
	cmake --preset native-asan && cmake --build --preset native-asan
	cmake --preset windows && cmake --build --preset windows
	cmake --preset windows-i686 && cmake --build --preset windows-i686

test:
	scripts/test-all.sh

format:
	git ls-files '*.h' '*.cpp' | xargs clang-format -i

bench:
	cmake --preset native && cmake --build --preset native
	for program in build/native/bench/*_bench; do $$program; done
