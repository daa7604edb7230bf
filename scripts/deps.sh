# Installs the Debian packages the build, the tests and the demo need, when any is missing.
# Sourced by scripts/test and scripts/run; quiet when everything is already there.
# libqt6svg6 draws the toolbar's own icons; qt6-tools-dev and qt6-l10n-tools build the
# translations. The last line serves the installation: icon
# export, man pages, the validators of the desktop entry and the AppStream metadata, the
# .deb's computed dependencies and its check by lintian.
lt840_deps() {
    local pkgs=(cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev
                qt6-serialport-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libqt6svg6 libgl-dev
                librsvg2-bin gzip man-db desktop-file-utils appstream dpkg-dev file lintian)
    local missing=()
    for p in "${pkgs[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" >/dev/null
}
