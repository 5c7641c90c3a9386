#!/usr/bin/env bash
# Rules the compiler cannot check: Qt only in the window layers, one charset name, one number
# parser, and the locale set only by the program's entry. Prints each offending line.
set -u
root=${1:-.}
cd "$root" || exit 2
fail=0
check() {  # check "what" grep-args...
  local what=$1; shift
  local hits
  hits=$(grep -rnE "$@" src tests bench 2>/dev/null)
  if [ -n "$hits" ]; then
    echo "house rule broken: $what"
    echo "$hits"
    fail=1
  fi
}
check "Qt include outside */qt/, dialogs/, app/" \
  --include='*.h' --include='*.cpp' '#\s*include\s*<Q' \
  --exclude-dir=qt --exclude-dir=dialogs --exclude-dir=app --exclude-dir=gui --exclude-dir=main
check "charset named SHIFT_JIS (use CP932)" -i --include='*.h' --include='*.cpp' '"shift_jis"'
check "C library number conversion outside the number parser" \
  --include='*.h' --include='*.cpp' '\b(atof|strtod|stod|std::stod)\s*\(' --exclude=number_parse.cpp
check "setlocale outside app/" --include='*.h' --include='*.cpp' '\bsetlocale\s*\(' \
  --exclude-dir=app --exclude-dir=main
if [ $fail -eq 0 ]; then echo "house rules kept"; fi
exit $fail
