#!/usr/bin/env bash
# Korvalin dial tester - the contact lines against the kernel's real 8250 driver, in a throw-away guest.
# Boots the installed kernel with a tiny initramfs (busybox and a static check
# program built from the project's contact-line sources) and lets the check
# play a dial on the guest's own emulated UART in loopback. Nothing of this
# machine's serial ports is touched: the guest's UARTs are QEMU's, wired to a
# file (console) and to nothing (the port under test).
# Exit 77 (skipped) when QEMU, a kernel or busybox-static is missing. Without
# KVM the guest runs emulated in software: the check still proves that every
# change is followed, but the 1 ms bound is then only reported.
set -euo pipefail

src="${KVL_SOURCE_DIR:-$(cd "$(dirname "$0")/.." && pwd)}"
skip() { echo "SKIPPED: $*"; exit 77; }

qemu=$(command -v qemu-system-x86_64 || true)
[ -n "$qemu" ] || skip "qemu-system-x86_64 is not installed (Debian package qemu-system-x86)"
kernel=$(ls -1 /boot/vmlinuz-* 2>/dev/null | sort -V | tail -n 1 || true)
[ -n "$kernel" ] || skip "no kernel in /boot (Debian package linux-image-amd64)"
[ -r "$kernel" ] || skip "$kernel is not readable by $(id -un)"
busybox=""
for b in /bin/busybox /usr/bin/busybox; do
    if [ -x "$b" ] && ! ldd "$b" >/dev/null 2>&1; then busybox=$b; break; fi
done
[ -n "$busybox" ] || skip "no statically linked busybox (Debian package busybox-static)"
command -v cpio >/dev/null || skip "cpio is not installed"
cxx=${CXX:-g++}
command -v "$cxx" >/dev/null || skip "no C++ compiler for the guest's check program"

work=$(mktemp -d /tmp/kvl-qemu.XXXXXX)
trap 'rm -rf "$work"' EXIT
root="$work/root"
mkdir -p "$root/bin" "$root/dev" "$root/proc" "$root/sys"

# The check program, statically linked from the very sources the program uses.
"$cxx" -std=c++17 -O2 -static -pthread -I"$src" -o "$root/serial_loop_check" \
    "$src/tests/qemu/serial_loop_check.cpp" \
    "$src/contacts/serial_contact_lines.cpp" "$src/contacts/modem_monitor.cpp" \
    "$src/contacts/tty_modem_status.cpp" "$src/contacts/port_names.cpp" \
    2> "$work/compile.log" || { cat "$work/compile.log"; echo "FAIL: the check program did not build"; exit 1; }
cp "$busybox" "$root/bin/busybox"
cp "$src/tests/qemu/init" "$root/init"
chmod 755 "$root/init" "$root/bin/busybox"
(cd "$root" && find . | cpio -o -H newc --quiet) > "$work/initramfs.cpio"

accel=(-accel tcg)
if [ -r /dev/kvm ] && [ -w /dev/kvm ]; then accel=(-accel kvm -accel tcg); fi

console="$work/console.log"
set +e
timeout 120 "$qemu" "${accel[@]}" -smp 2 -m 256 -nographic -no-reboot -monitor none \
    -kernel "$kernel" -initrd "$work/initramfs.cpio" \
    -append "console=ttyS0 rdinit=/init panic=-1 quiet loglevel=3 8250.nr_uarts=2" \
    -serial "file:$console" -serial null </dev/null > "$work/qemu.log" 2>&1
status=$?
set -e

grep -ao 'KVL-QEMU.*' "$console" || true
if [ $status -ne 0 ]; then
    cat "$work/qemu.log"
    tail -n 30 "$console" || true
    echo "FAIL: the guest did not end normally (status $status)"
    exit 1
fi
echo "accelerator: ${accel[*]}"
grep -aq '^KVL-QEMU PASS' "$console" && exit 0
echo "FAIL: the contact lines did not follow the guest's UART"
exit 1
