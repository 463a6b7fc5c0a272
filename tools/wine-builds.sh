# Sourced: which Windows build this machine can run under Wine.
# Some kernels cannot run 32-bit programs at all, whatever is installed; there only the
# 64-bit build runs, and installing Wine's 32-bit loader would break the 64-bit runs too.
# So the answer comes from running a 32-bit program, never from a package's state.
# QUIMBO_RUNS_32BIT=yes|no overrides the answer, to try the other branch by hand.

# True when a 32-bit x86 Linux program runs here: a 96-byte ELF whose only work is
# exit(42) through int 0x80 (its section header size is filled in, as some loaders check).
runs_32bit_programs() {
  case "${QUIMBO_RUNS_32BIT:-}" in
    yes) return 0 ;;
    no) return 1 ;;
  esac
  local probe status=0
  probe=$(mktemp "${TMPDIR:-/tmp}/quimbo-elf32.XXXXXX") || return 1
  local elf='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'
  elf+='\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'
  elf+='\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x28\x00'
  elf+='\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08'
  elf+='\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00'
  elf+='\x00\x10\x00\x00\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80'
  printf "$elf" > "$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null || status=$?
  rm -f "$probe"
  [ "$status" -eq 42 ]
}

# The build folder whose programs the run command and benchmarks start: the shipped
# 32-bit product where it can run, the 64-bit build otherwise.
shipped_or_standin_build() {
  if runs_32bit_programs; then echo win32; else echo win64; fi
}
