#!/usr/bin/env bash
# Fails when README.md or a page under docs/ links a local file that git does
# not hold: a link that works in a work tree can still be broken for everyone else.
set -u
cd "$(dirname "$0")/.."
broken=0
while IFS= read -r page; do
  dir=$(dirname "$page")
  # Markdown links and images: ](target) — web addresses and anchors excepted.
  while IFS= read -r target; do
    target=${target%%#*}
    case $target in '' | http://* | https://* | mailto:*) continue ;; esac
    path=$(realpath -m --relative-to=. "$dir/$target")
    if ! git ls-files --error-unmatch -- "$path" >/dev/null 2>&1 && [ -z "$(git ls-files -- "$path/")" ]; then
      echo "$page: links $target, which git does not hold"
      broken=1
    fi
  done < <(grep -o '](\([^)]*\))' "$page" | sed 's/^](\(.*\))$/\1/; s/ .*//')
done < <(git ls-files --cached --others --exclude-standard -- README.md 'docs/*.md')
exit $broken
