# The commands of the README. `make` alone installs what is missing and builds every preset.
.PHONY: all deps build test format

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
