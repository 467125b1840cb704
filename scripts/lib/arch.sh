# Sourced by the scripts. Wine runs 32-bit Windows programs through a 32-bit
# Linux loader; on kernels that refuse 32-bit Linux programs the tests run the
# 64-bit build of the same sources instead.
kernel_runs_32bit() {
  local dir ok=1
  dir="$(mktemp -d)"
  printf '.globl _start\n_start:\n mov $1,%%eax\n xor %%ebx,%%ebx\n int $0x80\n' > "$dir/p.s"
  if as --32 "$dir/p.s" -o "$dir/p.o" 2>/dev/null && ld -m elf_i386 "$dir/p.o" -o "$dir/p" 2>/dev/null \
     && "$dir/p" 2>/dev/null; then ok=0; fi
  rm -rf "$dir"
  return $ok
}

# The architecture the tests and the demo run: ZEPHRION_TEST_ARCH, else i686
# where the kernel allows it, else x86_64.
test_arch() {
  if [ -n "${ZEPHRION_TEST_ARCH:-}" ]; then echo "$ZEPHRION_TEST_ARCH"
  elif kernel_runs_32bit; then echo i686
  else echo x86_64; fi
}
