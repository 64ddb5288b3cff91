# Thin wrapper over CMake and the scripts; each target installs what it lacks.
.PHONY: build run test clean package bench
build:
	scripts/build.sh
run:
	scripts/run.sh
test:
	scripts/test.sh
clean:
	rm -rf build
package:
	scripts/package.sh
bench:
	scripts/bench.sh
