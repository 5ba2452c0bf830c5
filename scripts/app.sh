# Helpers of scripts/run and scripts/pages: the optimised build of the application, the
# simulator and the page pictures, and the simulated device in the background.
# Sourced after deps.sh, from the repository root.

FENWAVE_RUN_BUILD=build/run

# Installs what is missing (the CJK font too: without it every caption shows as boxes) and
# builds the application, the simulator and the page pictures, without sanitizers or tests.
fenwave_build_app() {
  fenwave_install_missing "${FENWAVE_BUILD_PACKAGES[@]}" fonts-noto-cjk
  cmake -S . -B "$FENWAVE_RUN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DFENWAVE_SANITIZE=OFF -DFENWAVE_TESTS=OFF -DFENWAVE_BENCH=OFF >/dev/null
  cmake --build "$FENWAVE_RUN_BUILD" --parallel "$(nproc)" \
    --target fenwave fenwave-sim fenwave-pages
}

# Starts fenwave-sim in the background and exports FENWAVE_PORTS with its terminal, the first
# line it prints. Sets FENWAVE_SIM_PID; fenwave_stop_sim ends it.
fenwave_start_sim() {
  local out
  out=$(mktemp)
  "$FENWAVE_RUN_BUILD/sim/fenwave-sim" "$@" >"$out" &
  FENWAVE_SIM_PID=$!
  local pty=""
  for _ in $(seq 50); do
    pty=$(head -n 1 "$out" 2>/dev/null || true)
    [ -n "$pty" ] && break
    sleep 0.1
  done
  rm -f "$out"
  if [ -z "$pty" ]; then
    echo "fenwave-sim did not report its terminal" >&2
    fenwave_stop_sim
    return 1
  fi
  export FENWAVE_PORTS="$pty"
  echo "Simulated device on $pty"
}

fenwave_stop_sim() {
  if [ -n "${FENWAVE_SIM_PID:-}" ]; then
    kill "$FENWAVE_SIM_PID" 2>/dev/null || true
    wait "$FENWAVE_SIM_PID" 2>/dev/null || true
    FENWAVE_SIM_PID=""
  fi
}
