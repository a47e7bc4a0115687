# Shared by the scripts: Debian packages, the Chinese locale, the Wine prefix, Xvfb and the wineserver.
# Sourced, not run.

REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
umask 022  # what is built here is read by the unprivileged user that runs the Windows programs
BUILD=$REPO/build
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
# Windows programs run as this unprivileged user when the scripts run as root: Wine run as root
# ignores read-only attributes and Unix permissions, which the tests must meet as a user would.
TEST_USER=hosts-tester
export WINEPREFIX=${WINEPREFIX:-$BUILD/wine-prefix}

BUILD_PACKAGES=(cmake ninja-build g++ clang libclang-rt-14-dev python3 googletest libgtest-dev libgmock-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686)
WINE_PACKAGES=(wine64 fonts-wine xvfb xdotool x11-utils imagemagick locales fonts-wqy-microhei)

is_root() { [ "$(id -u)" = 0 ]; }

# Installs the Debian packages that are missing, saying which; skips what is there.
need_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} = 0 ] && return 0
    echo "installing Debian packages: ${missing[*]}"
    local sudo=""
    is_root || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Wine's ANSI code page follows the locale: zh_CN.UTF-8 gives 936 (GBK), once it is generated.
need_locale() {
    locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$' && return 0
    echo "generating the locale zh_CN.UTF-8"
    local sudo=""
    is_root || sudo=sudo
    $sudo sed -i 's/^# *\(zh_CN\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^zh_CN\.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
}

need_test_user() {
    is_root || return 0
    if ! id "$TEST_USER" >/dev/null 2>&1; then
        echo "adding the unprivileged user $TEST_USER for the Windows programs"
        useradd --create-home --shell /usr/sbin/nologin "$TEST_USER"
    fi
    # That user must reach this tree (a clone under /root, say, is closed to others): open the way
    # through each folder above it that is closed, and say so.
    local dir=$REPO
    while [ "$dir" != / ]; do
        if [ "$(( 0$(stat -c '%a' "$dir") & 01 ))" = 0 ]; then
            echo "letting $TEST_USER pass through $dir (chmod o+x)"
            chmod o+x "$dir"
        fi
        dir=$(dirname "$dir")
    done
}

# Runs a command with the Wine environment, as the test user when we are root. Wine says nothing
# unless HOSTS_ADBLOCK_WINEDEBUG asks it to (e.g. +seh).
as_wine_user() {
    local env=(WINEPREFIX="$WINEPREFIX" WINEDEBUG="${HOSTS_ADBLOCK_WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree=;mshtml=" LC_ALL=zh_CN.UTF-8
        LANG=zh_CN.UTF-8 DISPLAY="${DISPLAY:-}" WINESERVER="$WINESERVER")
    if is_root; then
        runuser -u "$TEST_USER" -- env HOME="$(getent passwd "$TEST_USER" | cut -d: -f6)" USER="$TEST_USER" "${env[@]}" "$@"
    else
        env "${env[@]}" "$@"
    fi
}

# Makes the project-local Wine prefix once: no crash dialog, frames drawn by Wine itself.
need_prefix() {
    if [ -f "$WINEPREFIX/.hosts-adblock-ready" ]; then return 0; fi
    echo "making the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    is_root && chown "$TEST_USER" "$WINEPREFIX"
    as_wine_user "$WINE64" wineboot -i >/dev/null 2>&1
    as_wine_user "$WINE64" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    as_wine_user "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    as_wine_user "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
    as_wine_user "$WINESERVER" -w
    touch "$WINEPREFIX/.hosts-adblock-ready"
}

XVFB_PID=""
# A private 1024 by 768 screen; sets DISPLAY.
start_xvfb() {
    local n
    for n in $(seq 91 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -ac >/dev/null 2>&1 &
        XVFB_PID=$!
        local i
        for i in $(seq 1 100); do
            [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.05
        done
    done
    echo "could not start Xvfb" >&2
    return 1
}

stop_xvfb() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
}

# A persistent wineserver, so that each Windows program need not wait for Wine's services.
start_wineserver() {
    as_wine_user "$WINESERVER" -p
    as_wine_user "$WINE64" wineboot >/dev/null 2>&1 || true
}

stop_wineserver() { as_wine_user "$WINESERVER" -k 2>/dev/null || true; }

# The three builds, incremental.
build_all() {
    cmake -S "$REPO" -B "$BUILD/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build "$BUILD/native"
    # The native tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
    cmake -S "$REPO" -B "$BUILD/native-sanitized" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DHOSTS_ADBLOCK_SANITIZE=address,undefined >/dev/null
    cmake --build "$BUILD/native-sanitized"
    # The fuzz targets, with clang and libFuzzer.
    cmake -S "$REPO/tests/fuzz" -B "$BUILD/fuzz" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
    cmake --build "$BUILD/fuzz"
    cmake -S "$REPO" -B "$BUILD/win32" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$REPO/cmake/mingw-i686.cmake" \
        -DHOSTS_ADBLOCK_TESTS=OFF >/dev/null
    cmake --build "$BUILD/win32"
    cmake -S "$REPO" -B "$BUILD/win64" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$REPO/cmake/mingw-x86_64.cmake" >/dev/null
    cmake --build "$BUILD/win64"
    mkdir -p "$REPO/dist/x64"
    cp "$BUILD/win32/hosts-adblock.exe" "$REPO/dist/hosts-adblock.exe"
    cp "$BUILD/win64/hosts-adblock.exe" "$REPO/dist/x64/hosts-adblock.exe"
}
