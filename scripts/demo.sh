#!/usr/bin/env bash
# Builds the project and shows solune300ctl at work on a factory-default
# profile: the file, its JSON, an edit through JSON and the mouse's settings image.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
ctl=build/tools/ctl/solune300ctl
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== solune300ctl profile new Profile1.profile --name Profile1"
"$ctl" profile new "$work/Profile1.profile" --name Profile1
od -A d -t x1 "$work/Profile1.profile" | head -n 4
echo "== solune300ctl profile show Profile1.profile"
"$ctl" profile show "$work/Profile1.profile" | head -n 24
echo "   ..."
echo "== button 7 becomes 'Dpi up', lighting 'Breathing' (profile show | edit | profile write)"
"$ctl" profile show "$work/Profile1.profile" \
  | sed -e 's/"lightingEffect": 1/"lightingEffect": 4/' \
  | python3 -c 'import json,sys; p=json.load(sys.stdin); p["buttons"][7]["function"]=5; print(json.dumps(p))' \
  | "$ctl" profile write "$work/Profile1.profile"
echo "== solune300ctl profile image Profile1.profile --slot 0 (2048 bytes, 32 per line)"
"$ctl" profile image "$work/Profile1.profile" --slot 0 | fold -w 64 | head -n 8
echo "   ..."
