# Thin wrapper over CMake and the scripts; each target installs what it lacks.
.PHONY: build run test clean
build:
	scripts/build.sh
run:
	scripts/run.sh
test:
	scripts/test.sh
clean:
	rm -rf build
