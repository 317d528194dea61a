#!/usr/bin/env bash
# Installs what the browser driver and its tests need, only what is missing: Debian's Chromium,
# Firefox ESR and WebKitGTK's WebDriver (with Xvfb, the display its browser needs), and the
# locked npm packages (npm ci). Safe to run again.
set -euo pipefail
cd "$(dirname "$0")"

../need-packages.sh chromium firefox-esr webkit2gtk-driver xvfb

# npm ci again only when the lock changed since the last install.
if ! cmp -s package-lock.json node_modules/.webprobe-lock 2>/dev/null; then
  # playwright-core and puppeteer-core bring no browser; these keep them from fetching one.
  PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 PUPPETEER_SKIP_DOWNLOAD=1 \
    npm ci --no-audit --no-fund --loglevel=error
  cp package-lock.json node_modules/.webprobe-lock
fi
