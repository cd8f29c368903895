# Sourced by the CI stages.

# install_missing [--with-recommends] PACKAGE...
# Installs those of the Debian packages that are not installed yet (as root, with
# no questions asked); with --with-recommends also the packages they recommend.
install_missing() {
  local recommends=--no-install-recommends package status
  if [ "${1:-}" = --with-recommends ]; then
    recommends=
    shift
  fi
  local missing=()
  for package; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = 'install ok installed' ] || missing+=("$package")
  done
  ((${#missing[@]})) || return 0
  echo "== installing ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $recommends "${missing[@]}" </dev/null
}

# The Debian packages that the stages need for the Linux build and its tests.
linux_build_packages=(cmake ninja-build g++ libgtest-dev python3 git)
