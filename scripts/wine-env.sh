# Sourced, not run: sets up a private Wine world for one run of the program or
# the tests and tears it down again.
#
#   wine_env_start DIR   a prefix in DIR/prefix, an Xvfb display, one wineserver
#   wine_env_stop        ends the wineserver and the Xvfb started here
#
# The prefix runs every program on a 1024 x 768 virtual desktop drawn by Wine, in
# the GBK code page, with a CJK font standing in for the dialog fonts.

wine_env_start() {
  local dir=$1
  mkdir -p "$dir"
  export WINEPREFIX="$dir/prefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="   # no Mono or Gecko installer prompts
  export LC_ALL=zh_CN.UTF-8                    # GetACP() == 936

  if [ -z "${QUORVEL_KEEP_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
    exec {xvfb_fd}<> <(:)
    Xvfb -displayfd "$xvfb_fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    WINE_ENV_XVFB_PID=$!
    local n=""
    for _ in $(seq 100); do
      read -r -t 0.1 -u "$xvfb_fd" n && break
    done
    [ -n "$n" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$n"
  fi

  local fresh=""
  [ -f "$WINEPREFIX/system.reg" ] || fresh=1
  mkdir -p "$WINEPREFIX"
  wineserver -p
  if [ -n "$fresh" ]; then
    wineboot -i >/dev/null 2>&1
    local reg="$dir/setup.reg"
    cat > "$reg" <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"MS Shell Dlg"="WenQuanYi Micro Hei"
"MS Shell Dlg 2"="WenQuanYi Micro Hei"
"Tahoma"="WenQuanYi Micro Hei"
"SimSun"="WenQuanYi Micro Hei"

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"
REG
    wine regedit "$reg" >/dev/null 2>&1
    # Wine draws its caption buttons with Marlett, which it does not find on its
    # own here: without it a close box shows the letter "r".
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    # The desktop that wineboot started predates the virtual desktop setting:
    # restart the server so that the next program starts the 1024 x 768 one.
    wineserver -k
    wineserver -w
    wineserver -p
  fi
  # The first program in a session starts Wine's desktop process, which lives on
  # with the caller's output open: start it here, not inside a test runner that
  # would wait for that output to close.
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

wine_env_stop() {
  wineserver -k 2>/dev/null || true
  if [ -n "${WINE_ENV_XVFB_PID:-}" ]; then
    kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    wait "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    unset WINE_ENV_XVFB_PID
  fi
}
