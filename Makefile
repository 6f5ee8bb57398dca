# The two set-up commands: `make run` builds the generator alone and runs it
# (GoogleTest is not needed for it), `make test` builds and runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)
FUZZ_SECONDI ?= 60
# The machines are shared: five repetitions, and the ratios taken from medians.
ARGOMENTI_BENCHMARK ?= --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

.PHONY: run test build dipendenze configura test-sanitizzato fuzz benchmark clean windows test-windows pacchetti

# The Debian packages of the command line and the drawings: installed
# when missing and run as root, otherwise the command to install them.
dipendenze:
	tools/dipendenze

configura: dipendenze
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DAVVISI_COME_ERRORI=ON

build: configura
	cmake --build $(BUILD) -j $(JOBS)

run: configura
	cmake --build $(BUILD) -j $(JOBS) --target generatore
	./$(BUILD)/generatore

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Every test again, built by clang with AddressSanitizer and
# UndefinedBehaviorSanitizer; any report fails the test that caused it.
test-sanitizzato: dipendenze
	cmake -S . -B build-sanitizzato -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
	  -DAVVISI_COME_ERRORI=ON -DSANITIZZATORI=ON
	cmake --build build-sanitizzato -j $(JOBS)
	ctest --test-dir build-sanitizzato --output-on-failure -j $(JOBS)

# Runs each fuzz target for FUZZ_SECONDI seconds on its corpus.
fuzz: dipendenze
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DAVVISI_COME_ERRORI=ON -DFUZZ=ON -DBUILD_TESTING=OFF
	cmake --build build-fuzz -j $(JOBS)
	FUZZ_SECONDI=$(FUZZ_SECONDI) fuzz/esegui build-fuzz

# Measures a run against the plain writing of its bytes; prints the ratios.
benchmark: configura
	cmake --build $(BUILD) -j $(JOBS) --target benchmark_generatore
	./$(BUILD)/benchmark_generatore $(ARGOMENTI_BENCHMARK)

# The Windows executable, cross-built by mingw-w64: build-windows/generatore.exe.
windows:
	windows/installa-strumenti
	cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DAVVISI_COME_ERRORI=ON
	cmake --build build-windows -j $(JOBS) --target generatore

# The Windows build's tests under Wine and Xvfb: the whole suite, the bytes of
# the built-in run, the window and the message box.
test-windows: windows build
	cmake --build build-windows -j $(JOBS)
	windows/prove-wine build-windows $(BUILD)

# The Windows zip and the Debian package of the Linux build, both named with
# the version, in build-pacchetti/.
pacchetti: windows build
	cmake --build build-windows --target pacchetto_zip
	cd $(BUILD) && cpack -G DEB
	mkdir -p build-pacchetti
	cp build-windows/generatore-scenario-*-windows-x86_64.zip $(BUILD)/pacchetti/*.deb build-pacchetti/
	ls -l build-pacchetti

clean:
	rm -rf $(BUILD) build-sanitizzato build-fuzz build-windows build-pacchetti
