#!/usr/bin/env bash
# Seeds of pad_order_fuzzer, written into the folder given: an order file
# as Tarvik writes it, two identical pads and a wheel.
set -euo pipefail
printf '0\t\\\\?\\HID#VID_045E&PID_02E0#7&1a2b&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}\tPad\r\n1\t\\\\?\\HID#VID_045E&PID_02E0#7&3c4d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}\tPad\r\n2\t{6F1D2B61-D5A0-11CF-BFC7-444553540000}\tWheel\r\n' >"$1/order.txt"
