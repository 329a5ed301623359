# Two commands do all set-up on a fresh Debian machine: `make run` and `make test`.
.PHONY: deps build run test package screenshot bench format clean

deps:
	scripts/deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default

run: build
	scripts/run.sh

# From scratch, so a green run never rests on what an earlier build left behind.
test: deps
	rm -rf build
	cmake --preset default
	cmake --build --preset default
	scripts/test.sh

# build/clipstash_<version>_<arch>.deb, installed with `sudo apt-get install ./build/clipstash_*.deb`.
package: build
	cpack --preset default

screenshot: build
	scripts/screenshot.sh

bench: build
	bench/run.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
