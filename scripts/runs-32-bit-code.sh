#!/usr/bin/env bash
# Exits 0 when this machine runs 32-bit x86 programs; otherwise 1, saying so in one line on
# standard error. Some x86-64 kernels run 64-bit code only (IA-32 emulation off), and the name of
# the architecture cannot tell, so a tiny 32-bit program is started: a static i386 ELF executable
# of 93 bytes, one loadable segment whose three instructions make the exit system call with
# status 0 (xor ebx, ebx; mov eax, 1; int 0x80).
set -euo pipefail
program=$(mktemp)
trap 'rm -f "$program"' EXIT
elf_header='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'
elf_header+='\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'
elf_header+='\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00'
program_header='\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'
program_header+='\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'
code='\x31\xdb\xb8\x01\x00\x00\x00\xcd\x80'
printf "$elf_header$program_header$code" >"$program"
chmod +x "$program"
if ! error=$("$program" 2>&1); then
    echo "this machine does not run 32-bit programs (starting one: ${error##*: })" >&2
    exit 1
fi
