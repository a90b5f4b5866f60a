# Debian 12 packages, by what needs them. Sourced by the start and test scripts.
# shellcheck disable=SC2034
build_packages=(cmake ninja-build g++ pkg-config nlohmann-json3-dev libdxflib-dev qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev)
run_packages=(fonts-liberation fonts-dejavu-core)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev clang-format xauth poppler-utils parallel)
