# The commands of the README. `make` alone installs what is missing and builds every preset.
.PHONY: all deps build run test bench compare fuzz format

all: deps build

deps:
	scripts/install-deps.sh

build:
	cmake --preset native-asan && cmake --build --preset native-asan
	cmake --preset windows && cmake --build --preset windows
	cmake --preset windows-i686 && cmake --build --preset windows-i686

# Starts the program of the distribution folder under Wine, beside its templates and help.
run: deps
	cmake --preset windows && cmake --build --preset windows --target dist
	scripts/wine-run.sh $(CURDIR)/build/windows/wineprefix run build/windows/dist/Tallyvane.exe

test: deps
	scripts/test-all.sh

format:
	git ls-files '*.h' '*.cpp' | xargs clang-format -i

SALES_LIST := build/bench-data/sales-200k.xlsx
SALES_LIST_XLS := build/bench-data/sales-200k.xls

$(SALES_LIST):
	dpkg -s python3-xlsxwriter >/dev/null 2>&1 || apt-get install -y --no-install-recommends python3-xlsxwriter
	mkdir -p $(dir $@)
	/usr/bin/python3 bench/sales/make_sales_list.py $@

$(SALES_LIST_XLS):
	dpkg -s python3-xlwt >/dev/null 2>&1 || apt-get install -y --no-install-recommends python3-xlwt
	mkdir -p $(dir $@)
	/usr/bin/python3 bench/sales/make_sales_list.py $@

bench: $(SALES_LIST) $(SALES_LIST_XLS)
	cmake --preset native && cmake --build --preset native
	ctest --preset native -R read_workbook_keeps_cells
	for program in build/native/bench/*_bench; do $$program; done
	cmake --preset windows && cmake --build --preset windows --target ui_grid_view_bench ui_tab_control_bench ui_check_box_bench ui_check_list_box_bench
	scripts/wine-run.sh $(CURDIR)/build/windows/wineprefix run build/windows/bench/ui_grid_view_bench.exe
	scripts/wine-run.sh $(CURDIR)/build/windows/wineprefix run build/windows/bench/ui_tab_control_bench.exe
	scripts/wine-run.sh $(CURDIR)/build/windows/wineprefix run build/windows/bench/ui_check_box_bench.exe
	scripts/wine-run.sh $(CURDIR)/build/windows/wineprefix run build/windows/bench/ui_check_list_box_bench.exe

compare: $(SALES_LIST) $(SALES_LIST_XLS)
	scripts/install-bench-peers.sh
	cmake --preset native && cmake --build --preset native --target read_workbook
	/usr/bin/python3 bench/sales/compare_readers.py $(SALES_LIST)
	/usr/bin/python3 bench/sales/compare_readers.py $(SALES_LIST_XLS)

fuzz:
	cmake --preset fuzz && cmake --build --preset fuzz
	FUZZ_SECONDS=$${FUZZ_SECONDS:-600} scripts/fuzz-smoke.sh
