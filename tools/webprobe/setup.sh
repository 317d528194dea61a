#!/usr/bin/env bash
# Installs what the browser driver and its tests need, only what is missing: Debian's Chromium
# and the locked npm packages (npm ci). Safe to run again.
set -euo pipefail
cd "$(dirname "$0")"

../need-packages.sh chromium

# npm ci again only when the lock changed since the last install.
if ! cmp -s package-lock.json node_modules/.webprobe-lock 2>/dev/null; then
  # playwright-core brings no browser; these keep any helper from fetching one all the same.
  PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 PUPPETEER_SKIP_DOWNLOAD=1 \
    npm ci --no-audit --no-fund --loglevel=error
  cp package-lock.json node_modules/.webprobe-lock
fi
