#!/usr/bin/env bash
# Checks that platform/ and frame/ keep their layers: a library may use only the libraries below
# it, in the one order declared in platform/CMakeLists.txt (PT_PLATFORM_LAYERS) and
# frame/CMakeLists.txt (frame_base, storage, then PT_FRAME_LAYERS). Three proofs, in seconds:
#  1. no source of a library includes a header of a library above it;
#  2. a probe that includes a higher header does not compile with a lower library's include
#     roots (while the same probe with its own header does), so the build itself refuses;
#  3. no built library refers to a symbol that only a library above it defines (calls through
#     the shared windows.h surface included), when a build folder exists (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
failed=0
probe_dir=$(mktemp -d)
tmp=$(mktemp -d)
trap 'rm -rf "$probe_dir" "$tmp"' EXIT

order_of() {  # the layer list set in a CMakeLists.txt
  sed -n "s/^set($2 \(.*\))$/\1/p" "$1"
}
read -ra platform_layers <<<"$(order_of platform/CMakeLists.txt PT_PLATFORM_LAYERS)"
read -ra frame_layers <<<"$(order_of frame/CMakeLists.txt PT_FRAME_LAYERS)"
if ((${#platform_layers[@]} < 2 || ${#frame_layers[@]} < 2)); then
  echo "ci-layering: cannot read the layer order from the CMakeLists.txt files"
  exit 1
fi

# Each entry: library|source folder|how its headers are included.
libraries=()
for layer in "${platform_layers[@]}"; do libraries+=("platform_$layer|platform/$layer|$layer/"); done
libraries+=("frame_base|frame/base|frame/base/" "storage|storage|storage/")
for layer in "${frame_layers[@]}"; do libraries+=("frame_$layer|frame/$layer|frame/$layer/"); done
platform_count=${#platform_layers[@]}

# 1. Includes, each library against every library above it in its own subsystem (the platform's
# folders are included as "kernel/...", the frame's as "frame/..."; frame/ and storage/ as a whole
# sit above the platform, which never names them).
for ((i = 0; i < ${#libraries[@]}; i++)); do
  IFS='|' read -r lib dir _ <<<"${libraries[i]}"
  sources=$(find "$dir" \( -name '*.cpp' -o -name '*.h' \) -not -path '*/tests/*' \
    -not -path '*/fuzz/*' -not -path '*/bench/*')
  [[ -z $sources ]] && continue
  if ((i < platform_count)); then last=$platform_count; else last=${#libraries[@]}; fi
  for ((j = i + 1; j < last; j++)); do
    IFS='|' read -r higher _ prefix <<<"${libraries[j]}"
    if hits=$(grep -Hn "^#include \"\\(platform/\\)\\?$prefix" $sources); then
      echo "ci-layering: $lib includes $higher, which sits above it:"
      echo "$hits"
      failed=1
    fi
  done
  if ((i < platform_count)) && hits=$(grep -HnE '^#include "(frame|storage)/' $sources); then
    echo "ci-layering: $lib includes frame/ or storage/:"
    echo "$hits"
    failed=1
  fi
done

# 2. The build refuses an upward include: with the include roots of the lowest library of each
# subsystem, a header of the highest is not found, while one of its own is.
probe() {  # include roots..., then the header to include, last
  local header=${*: -1} flags=()
  for root in "${@:1:$#-1}"; do flags+=(-I "$(realpath -s "$root")"); done
  # From an empty folder, so that the include is not found beside the probe itself.
  (cd "$probe_dir" && printf '#include "%s"\n' "$header" |
    g++ -std=c++20 -fsyntax-only -x c++ "${flags[@]}" - 2>/dev/null)
}
if [[ -d $build/layers ]]; then
  kernel_roots=("$build/layers/platform_kernel" platform/include)
  top=${platform_layers[-1]}
  if ! probe "${kernel_roots[@]}" kernel/wide_text.h; then
    echo "ci-layering: probe setup is wrong: platform_kernel cannot include its own header"
    failed=1
  elif probe "${kernel_roots[@]}" "user/window_manager.h"; then
    echo "ci-layering: platform_kernel can include user/window_manager.h"
    failed=1
  fi
  [[ -d $build/layers/platform_$top ]] || { echo "ci-layering: no include root for platform_$top"; failed=1; }
  base_roots=("$build/layers/frame_base" platform/include)
  if ! probe "${base_roots[@]}" frame/base/wide_string.h; then
    echo "ci-layering: probe setup is wrong: frame_base cannot include its own header"
    failed=1
  elif probe "${base_roots[@]}" frame/form/form.h || probe "${base_roots[@]}" storage/file/abstract_file.h; then
    echo "ci-layering: frame_base can include a header from above it"
    failed=1
  fi
  bitmap_roots=("$build/layers/frame_bitmap" "$build/layers/storage" "$build/layers/frame_base" platform/include)
  if probe "${bitmap_roots[@]}" frame/app/application.h; then
    echo "ci-layering: frame_bitmap can include frame/app/application.h"
    failed=1
  fi
else
  echo "ci-layering: no $build/layers; include probes skipped (configure first)"
fi

# 3. Symbols: what a library leaves undefined must not be defined only higher up.
archive_of() { find "$build" -name "lib$1.a" -not -path '*/CMakeFiles/*' 2>/dev/null | head -n 1; }
if [[ -n $(archive_of platform_kernel) ]]; then
  for entry in "${libraries[@]}"; do
    IFS='|' read -r lib _ _ <<<"$entry"
    archive=$(archive_of "$lib")
    [[ -n $archive ]] || { echo "ci-layering: $lib is not built"; failed=1; continue; }
    nm -g --defined-only "$archive" | awk 'NF == 3 && $2 ~ /[TDRB]/ {print $3}' | sort -u >"$tmp/$lib.def"
    nm -g -u "$archive" | awk 'NF == 2 {print $2}' | sort -u >"$tmp/$lib.undef"
  done
  for ((i = 0; i < ${#libraries[@]}; i++)); do
    IFS='|' read -r lib _ _ <<<"${libraries[i]}"
    [[ -f $tmp/$lib.undef ]] || continue
    for ((j = i + 1; j < ${#libraries[@]}; j++)); do
      IFS='|' read -r higher _ _ <<<"${libraries[j]}"
      [[ -f $tmp/$higher.def ]] || continue
      if calls=$(comm -12 "$tmp/$lib.undef" "$tmp/$higher.def" | c++filt) && [[ -n $calls ]]; then
        echo "ci-layering: $lib refers to symbols of $higher, which sits above it:"
        echo "$calls" | head -n 20
        failed=1
      fi
    done
  done
else
  echo "ci-layering: no built libraries in $build; symbol check skipped"
fi

if ((failed)); then exit 1; fi
echo "ci-layering: ${#libraries[@]} libraries in order: ${libraries[*]%%|*}"
