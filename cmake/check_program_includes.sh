#!/usr/bin/env bash
# Fails when a file of the program's folders includes anything but a platform/
# header, one of the program's own headers, or a C/C++ standard library header.
set -u
root=${1:?source root}
cd "$root" || exit 1
std='algorithm|array|atomic|bit|cassert|cctype|cerrno|cstddef|cstdint|cstdio|cstdlib|cstring|cwchar|cwctype|climits|cmath|functional|initializer_list|iterator|limits|memory|new|numeric|optional|span|string|string_view|tuple|type_traits|utility|vector|assert\.h|ctype\.h|errno\.h|limits\.h|math\.h|stddef\.h|stdint\.h|stdio\.h|stdlib\.h|string\.h|wchar\.h|wctype\.h'
platform=$(cd platform && ls)
status=0
while IFS= read -r line; do
  file=${line%%:*}; rest=${line#*:}; rest=${rest#*:}
  target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"].*/\1/' <<<"$rest")
  if grep -qxE "$std" <<<"$target"; then continue; fi
  if grep -qxF "$target" <<<"$platform"; then continue; fi
  case $target in
    app/*|ui/*|apps/*|config/*|system/*) [ -f "$target" ] && continue ;;
  esac
  echo "$file: includes <$target>, which is neither a platform header, a program header nor the standard library" >&2
  status=1
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include' app ui apps config system 2>/dev/null)
exit $status
