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

# Whether this machine runs 32-bit x86 Linux programs: a program of 93 bytes
# that only exits with status 0.
runs_32bit_programs() {
  local probe status=0
  probe=$(mktemp)
  printf '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null || status=$?
  rm -f "$probe"
  return "$status"
}

# The Debian packages that the stages need for the Linux build and its tests.
linux_build_packages=(cmake ninja-build g++ libgtest-dev python3 git)
