#!/usr/bin/env bash
# Rules the compiler cannot check: Qt only in the window layers, one charset name and one
# converter, one number parser, and the locale set only by the program's entries. Prints each
# offending line.
set -u
root=${1:-.}
cd "$root" || exit 2
fail=0
folders=()
for f in src tests bench; do [ -d "$f" ] && folders+=("$f"); done
check() {  # check "what" grep-args...
  local what=$1; shift
  local hits
  hits=$(grep -rnE --include='*.h' --include='*.cpp' "$@" "${folders[@]}" 2>/dev/null)
  if [ -n "$hits" ]; then
    echo "house rule broken: $what"
    echo "$hits"
    fail=1
  fi
}
# The window layers: */qt/, dialogs/, app/, and the widget tests with their main.
check "Qt include outside */qt/, dialogs/, app/" '^\s*#\s*include\s*[<"]Q[A-Za-z]' \
  --exclude-dir=qt --exclude-dir=dialogs --exclude-dir=app \
  --exclude=gui_main.cpp
check "a Shift-JIS charset name other than CP932" -i \
  '"(shift[ _-]?jis|sjis|ms_kanji|csshiftjis|windows-31j)[^"]*"'
check "iconv outside the CP932 conversion" '\biconv(_open)?\s*\(' --exclude=cp932.cpp
check "C library number conversion outside the number parser" \
  '\b(atof|strtod|strtof|strtold|stod|stof|stold)\s*\(' --exclude=number_parse.cpp
check "scanf of a floating-point number outside the number parser" \
  '\b[sf]?scanf\s*\(.*%[0-9]*l?[eEfFgG]' --exclude=number_parse.cpp
check "setlocale outside app/ and the test mains" '\bsetlocale\s*\(' \
  --exclude-dir=app --exclude=engine_main.cpp --exclude=gui_main.cpp
if [ $fail -eq 0 ]; then echo "house rules kept"; fi
exit $fail
