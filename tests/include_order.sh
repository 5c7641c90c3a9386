#!/usr/bin/env bash
# The layers of src/ include only downwards: platform, model, calc, then view, output, forms and
# editing side by side, then mainwin, dialogs and app. A folder's qt/ part stands on its
# folder's layer. Every spelling counts: a quoted include is found where the compiler looks first
# (beside the including file, so "../mainwin/x.h" is resolved from there) and else from src/; an
# angle-bracket include is the project's when its first folder is one of the layers. Prints every
# include that reaches a higher layer, every quoted include of a folder no layer names and every
# file in such a folder; the argument is the project folder (the one holding src/).
set -u
root=${1:-.}
cd "$root/src" || exit 2
grep -rnE --include='*.h' --include='*.cpp' '^\s*#\s*include\s*[<"]' . | awk '
  function layer(path,   top) {
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
  # The path with "." and ".." steps taken; a path that climbs out of src/ keeps its "..".
  function normal(path,   n, step, i, out, depth, kept) {
    n = split(path, step, "/")
    depth = 0
    for (i = 1; i <= n; i++) {
      if (step[i] == "" || step[i] == ".") continue
      if (step[i] == ".." && depth > 0 && kept[depth] != "..") { depth--; continue }
      kept[++depth] = step[i]
    }
    out = ""
    for (i = 1; i <= depth; i++) out = out (i > 1 ? "/" : "") kept[i]
    return out
  }
  function exists(path,   line, found) {
    found = (getline line < path) >= 0
    close(path)
    return found
  }
  function folder(path) { return sub(/\/[^\/]*$/, "", path) ? path : "" }
  {
    file = $0; sub(/:.*/, "", file); sub(/^\.\//, "", file)
    where = $0; sub(/^[^:]*:/, "", where); sub(/:.*/, "", where)
    quoted = $0 ~ /include[ \t]*"/
    included = $0
    sub(quoted ? "^[^\"]*\"" : "^[^<]*<", "", included)
    sub(quoted ? "\".*" : ">.*", "", included)
    own = layer(file)
    if (own < 0) { print "a folder no layer names: src/" file; bad = 1; next }
    resolved = normal(included)
    if (quoted) {
      beside = normal(folder(file) "/" included)
      if (exists(beside)) resolved = beside
    }
    theirs = layer(resolved)
    if (theirs < 0) {
      if (!quoted) next  # a system or library header
      print "an include of a folder no layer names: src/" file ":" where " includes " included
      bad = 1
    } else if (theirs > own) {
      print "upward include: src/" file ":" where " includes " included; bad = 1
    }
  }
  END { if (!bad) print "includes run downwards only"; exit bad }'
