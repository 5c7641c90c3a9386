#!/usr/bin/env bash
# The layers of src/ include only downwards: platform, model, calc, then view, output, forms and
# editing side by side, then mainwin, dialogs and app. A folder's qt/ part stands on its
# folder's layer. Prints every include that reaches a higher layer and every file in a folder
# no layer names; the argument is the project folder (the one holding src/).
set -u
root=${1:-.}
cd "$root/src" || exit 2
grep -rnE --include='*.h' --include='*.cpp' '^\s*#\s*include\s*"' . | awk '
  function layer(path,   top) {
    sub(/^\.\//, "", path)
    top = path; sub(/\/.*/, "", top)
    if (top == "platform") return 0
    if (top == "model") return 1
    if (top == "calc") return 2
    if (top == "view" || top == "output" || top == "forms" || top == "editing") return 3
    if (top == "mainwin") return 4
    if (top == "dialogs") return 5
    if (top == "app") return 6
    return -1
  }
  {
    split($0, part, ":")
    file = part[1]; sub(/^\.\//, "", file)
    included = $0; sub(/^[^"]*"/, "", included); sub(/".*/, "", included)
    own = layer(file); theirs = layer(included)
    if (own < 0) { print "a folder no layer names: src/" file; bad = 1; next }
    if (theirs > own) { print "upward include: src/" file ":" part[2] " includes " included; bad = 1 }
  }
  END { if (!bad) print "includes run downwards only"; exit bad }'
