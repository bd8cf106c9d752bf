# Installs the Debian packages the build needs, only those that are missing.
# Sourced by scripts/test and scripts/run.
zephlo_packages=(cmake g++ make libgtest-dev libgmock-dev googletest libbenchmark-dev clang-format
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6multimedia6 libpulse0 libgl1-mesa-dev fonts-dejavu-core nlohmann-json3-dev)
# The manual pages are made from the programs' help; the tests run the
# README's examples (jq, git), the shell completion (zsh), a prefix install
# (the MIME and desktop databases) and check the package (dpkg-dev for cpack,
# lintian, appstream).
zephlo_packages+=(help2man jq git zsh shared-mime-info desktop-file-utils dpkg-dev lintian appstream)
# What scripts/fuzz needs on top: clang, its runtime libraries (libFuzzer and
# the sanitizers) and llvm-symbolizer for readable stack traces.
zephlo_fuzz_packages=(clang libclang-rt-dev llvm)
# What scripts/test-windows needs: the mingw-w64 cross compiler (POSIX
# threads), Wine to run the result, GoogleTest's sources and the JSON headers.
zephlo_windows_packages=(cmake make g++-mingw-w64-x86-64-posix wine64 googletest
  nlohmann-json3-dev)

zephlo_install_deps() {
  local missing=()
  for p in "${zephlo_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
  fi
}

zephlo_configure_and_build() {
  local jobs
  jobs=$(nproc 2>/dev/null || echo 2)
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "$@"
  cmake --build build -j "$jobs"
}
