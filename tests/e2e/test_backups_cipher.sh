#!/bin/bash
# Backups, mirror copies, automatic saving and cipher saving in the running
# program: successive saves leave memo.$01 ... $03 with exactly the bytes
# of each save and a mirror copy below the mirror folder; a modified
# document is saved automatically after the quiet wait; a file saved in the
# cipher folder is enciphered on disk and opens as plain text once the
# password is typed.
source "$(dirname "$0")/lib.sh"
e2e_begin backups_cipher

text_of() { tr -d '\r' <"$1" | tr '\n' '|'; }
mkdir -p "$E2E_WORK/bak" "$E2E_WORK/mir" "$E2E_WORK/cipher" "$E2E_WORK/docs"
memo=$E2E_WORK/docs/memo.txt
printf 'base\r\n' >"$memo"
ini() {
  printf '[Settings]\r\nMultiInstance=1\r\nMakeBackupFile=1\r\nBackupFileFPath=%s\\\r\nBackupFileGenerationCount=3\r\n' \
    "$(winpath "$E2E_WORK/bak")" >"$E2E_APP/quelt.ini"
  printf 'MakeMirrorFile=1\r\nMirrorFileFPath=%s\\\r\n' "$(winpath "$E2E_WORK/mir")" >>"$E2E_APP/quelt.ini"
  printf '%s\r\n' "$@" >>"$E2E_APP/quelt.ini"
}

# 1. Four saves with three generations: $01 holds the fourth, $02 and $03
# the second and third; the mirror copy holds the last.
ini 'AutoSave=1' 'AutoSaveIntervalSec=10' 'AutoSaveWaitSec=1'
quelt_start /Q "$(winpath "$memo")"
check "the file opens" wait_window "memo.txt" 60
sleep 1
for n in 1 2 3 4; do
  vbs "o.InsertString \"$n\", 1" 'o.FileSave' >/dev/null
  sleep 0.3
  cp "$memo" "$E2E_WORK/save$n.txt"
done
sleep 1
check "generation 01 holds the fourth save" cmp -s "$E2E_WORK/save4.txt" "$E2E_WORK/bak/memo.\$01"
check "generation 02 holds the second save" cmp -s "$E2E_WORK/save2.txt" "$E2E_WORK/bak/memo.\$02"
check "generation 03 holds the third save" cmp -s "$E2E_WORK/save3.txt" "$E2E_WORK/bak/memo.\$03"
check "there is no fourth generation" test ! -e "$E2E_WORK/bak/memo.\$04"
mirror="$E2E_WORK/mir/$(realpath "$memo" | sed 's|^/||')"
check "the mirror copy holds the last save" cmp -s "$E2E_WORK/save4.txt" "$mirror"

# 2. Automatic saving: a change is written after the interval and the
# quiet second, without a save command.
vbs 'o.InsertString "A", 1' >/dev/null
saved=""
for _ in $(seq 1 40); do
  sleep 0.5
  if grep -q "1234Abase" "$memo" 2>/dev/null; then saved=yes; break; fi
done
expect_eq "the change was saved automatically" "yes" "$saved"
vbs 'o.Exit' >/dev/null
wait_gone "$QUELT_PID" 30

# 3. Cipher saving: the key "abcdef12" and the password "pw12" go into the
# state file the first run wrote, in the scrambled form of earlier versions.
python3 - "$E2E_APP/quelt.DAT" <<'PY'
import struct, sys
def block(key, password):
    plain = bytearray(68)
    plain[0] = len(key); plain[1:1 + len(key)] = key
    plain[33] = len(password); plain[34:34 + len(password)] = password
    s = sum(b * (i + 1) for i, b in enumerate(plain[:66])) & 0xFFFF
    plain[66] = s & 0xFF; plain[67] = s >> 8
    state, prev, out = 0x51E17A3D, 0, bytearray()
    for p in plain:
        state ^= (state << 13) & 0xFFFFFFFF; state ^= state >> 17; state ^= (state << 5) & 0xFFFFFFFF
        prev = (p + (state >> 24) + prev) & 0xFF
        out.append(prev)
    return struct.pack("<I", 68) + bytes(out)
data = bytearray(open(sys.argv[1], "rb").read())
# The cipher section (empty: a zero length) comes right before the extended
# menus, the last section, which holds 20 empty menus here. The key goes in
# in the form earlier versions wrote, which the program still reads.
menus = struct.pack("<i", 20) + (b"\0" + struct.pack("<ii", 0, 0)) * 20
at = len(data) - len(menus) - 4
assert data[at + 4:] == menus and data[at:at + 4] == bytes(4), "the state file's cipher section was not found"
data[at:at + 4] = block(b"abcdef12", b"pw12")
data[0:4] = struct.pack("<I", len(data))
open(sys.argv[1], "wb").write(data)
PY
check "the key went into the state file" test $? -eq 0
secret=$E2E_WORK/cipher/sub/secret.txt
mkdir -p "$E2E_WORK/cipher/sub"
printf 'plain\r\n' >"$secret"
ini "DoCipher=1" "CipherFPath=$(winpath "$E2E_WORK/cipher")\\"
quelt_start /Q "$(winpath "$secret")"
check "the plain file of the cipher folder opens" wait_window "secret.txt" 60
sleep 1
vbs 'o.InsertString "top ", 4' 'o.FileSave' >/dev/null
sleep 1
decipher() {
  python3 - "$1" <<'PY'
import sys
c, key, f, out = open(sys.argv[1], "rb").read(), b"abcdef12", [2, 3, 5], bytearray()
for j in range(len(c) // 2):
    k = key[j % len(key)]
    v = ((c[2 * j + 1] & 15) << 8) | c[2 * j]
    assert v % f[j % 3] == 0
    out.append(v // f[j % 3] - k)
sys.stdout.write(out.decode("cp932").replace("\r", ""))
PY
}
expect_eq "the saved file is twice as long as the text" "22" "$(stat -c %s "$secret")"
expect_eq "the saved file deciphers to the text" "top plain|" "$(decipher "$secret" | tr '\n' '|')"
check "no backup is made of an enciphered save" test ! -e "$E2E_WORK/bak/secret.\$01"
vbs 'o.FileClose' >/dev/null
sleep 0.5

# Opening it again asks for the password once, then shows the plain text.
(vbs "o.FileOpen \"$(winpath "$secret")\"" >/dev/null &)
check "the password is asked for" wait_window "ﾊﾟｽﾜｰﾄﾞ" 30
focus "ﾊﾟｽﾜｰﾄﾞ"
xdotool type --delay 80 "pw1"
xdotool key Return
sleep 0.5
check "a wrong password keeps the prompt" wait_window "ﾊﾟｽﾜｰﾄﾞ" 5
# The refused entry is selected: typing replaces it.
xdotool type --delay 80 "pw12"
xdotool key Return
check "the enciphered file opens" wait_window "secret.txt" 30
sleep 1
vbs "o.FileSaveAs \"$(winpath "$E2E_WORK/docs/out.txt")\"" >/dev/null
sleep 1
expect_eq "the document holds the plain text" "top plain|" "$(text_of "$E2E_WORK/docs/out.txt")"

# The password is asked once per run: a second open goes straight through.
vbs 'o.FileClose' >/dev/null
vbs "o.FileOpen \"$(winpath "$secret")\"" "o.FileSaveAs \"$(winpath "$E2E_WORK/docs/out2.txt")\"" >/dev/null
sleep 1
expect_eq "the second open asks nothing" "top plain|" "$(text_of "$E2E_WORK/docs/out2.txt")"

# 4. The security page: mirror copies switched off there stay off after
# the restart's settings file is written.
(probe command 32881 >/dev/null &)
check "the sheet opens" wait_window "共通設定" 20
focus "共通設定"
sheet=$(xdotool search --onlyvisible --name '共通設定' | head -1)
# The seventh tab, "ｾｷｭﾘﾃｨ".
xdotool mousemove --window "$sheet" 356 14 click 1; sleep 0.5
screenshot "$E2E_WORK/security_page.png"
xdotool key alt+m; sleep 0.2
xdotool key Return
sleep 1
vbs 'o.Exit' >/dev/null
wait_gone "$QUELT_PID" 30
expect_eq "the security page switched the mirror copies off" "0" "$(settings_value MakeMirrorFile)"
expect_eq "the cipher folder stays" "$(winpath "$E2E_WORK/cipher")\\" "$(settings_value CipherFPath)"

# 5. The exit wrote the key and password sealed for this user: the old
# scrambled form is gone, and the next run still knows both.
python3 - "$E2E_APP/quelt.DAT" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
assert b"QSL1" in data and b"abcdef12" not in data, "the secrets are not sealed"
PY
check "the state file holds the key sealed" test $? -eq 0
cp "$secret" "$E2E_WORK/secret.before"
quelt_start /Q
check "the program starts again" wait_window "Quelt" 60
(vbs "o.FileOpen \"$(winpath "$secret")\"" >/dev/null &)
check "the sealed password is asked for" wait_window "ﾊﾟｽﾜｰﾄﾞ" 30
focus "ﾊﾟｽﾜｰﾄﾞ"
xdotool type --delay 80 "pw12"
xdotool key Return
check "the file opens with the sealed key" wait_window "secret.txt" 30
vbs "o.FileSaveAs \"$(winpath "$E2E_WORK/docs/out3.txt")\"" 'o.FileClose' >/dev/null
expect_eq "the sealed key deciphers the file" "top plain|" "$(text_of "$E2E_WORK/docs/out3.txt")"

# 6. A file the key cannot decipher opens write-protected, with its reason,
# and Save leaves the enciphered file as it is.
python3 - "$E2E_WORK/cipher/other.txt" <<'PY'
import sys
key, f, out = b"zzzzzz99", [2, 3, 5], bytearray()
for i, p in enumerate(b"other key\r\n"):
    k = key[i % len(key)]
    v = (p + k) * f[i % 3]
    out += bytes([v & 0xFF, ((k & 0xF0) + (v >> 8) + 48) & 0xFF])
open(sys.argv[1], "wb").write(out)
PY
cp "$E2E_WORK/cipher/other.txt" "$E2E_WORK/other.before"
(vbs "o.FileOpen \"$(winpath "$E2E_WORK/cipher/other.txt")\"" >/dev/null &)
popup_says() { probe popuptext | grep -qF "$1"; }
for _ in $(seq 60); do popup_says "暗号ｷｰが違うため" && break; sleep 0.25; done
check "a file of another key says why it opens write-protected" popup_says "上書き禁止で開きます"
xdotool key Return
check "the file of another key opens" wait_window "other.txt" 30
vbs 'o.InsertString "x", 1' 'o.FileSave' >/dev/null
sleep 0.5
check "Save does not write over a file of another key" cmp -s "$E2E_WORK/other.before" "$E2E_WORK/cipher/other.txt"
vbs 'o.Exit' >/dev/null
wait_gone "$QUELT_PID" 30
e2e_finish
