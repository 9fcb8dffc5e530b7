#!/usr/bin/python3
"""Compares our decryption of encrypted .xls workbooks with the python msoffcrypto-tool's, record by record.

For each encrypted workbook and its password, msoffcrypto-tool (Debian: python3-msoffcrypto-tool) writes a decrypted
copy, whose record stream is walked here; dump_biff_records (built by the native presets in
build/<preset>/tests/tools) prints our decrypted records of the encrypted file. Every record must have the same id
and body, but FILEPASS, which msoffcrypto replaces with a zeroed record of id 0. A development tool: the committed
tests do not need it.

Usage: /usr/bin/python3 tests/tools/compare_msoffcrypto.py [--build build/native-asan] [FILE PASSWORD]...
Without files it compares the corpus's encrypted samples (../shared/corpus) and tests/data/biff/libreoffice-rc4.xls.
"""
import argparse
import io
import os
import struct
import subprocess
import sys

import msoffcrypto
import olefile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
CORPUS = os.path.join(os.path.dirname(ROOT), "shared", "corpus")
FILEPASS = 0x002F
SAMPLES = [
    (os.path.join(CORPUS, "calamine", "tests", "issue_385.xls"), "VelvetSweatshop"),
    (os.path.join(CORPUS, "msoffcrypto", "tests", "inputs", "rc4cryptoapi_password.xls"), "Password1234_"),
    (os.path.join(ROOT, "tests", "data", "biff", "libreoffice-rc4.xls"), "Tallyvane-41"),
]


def msoffcrypto_records(path, password):
    with open(path, "rb") as encrypted:
        office = msoffcrypto.OfficeFile(encrypted)
        office.load_key(password=password)
        decrypted = io.BytesIO()
        office.decrypt(decrypted)
    decrypted.seek(0)
    document = olefile.OleFileIO(decrypted)
    stream = document.openstream("Workbook").read()
    records, at = [], 0
    while at + 4 <= len(stream):
        record_id, length = struct.unpack_from("<HH", stream, at)
        records.append((record_id, stream[at + 4:at + 4 + length]))
        at += 4 + length
    return records


def our_records(tool, path, password):
    output = subprocess.run([tool, path, password], check=True, capture_output=True, text=True).stdout
    records = []
    for line in output.splitlines():
        record_id, _, body = line.partition(" ")
        records.append((int(record_id, 16), bytes.fromhex(body)))
    return records


def compare(tool, path, password):
    theirs = msoffcrypto_records(path, password)
    ours = our_records(tool, path, password)
    if len(theirs) != len(ours):
        return f"{len(ours)} records, msoffcrypto gives {len(theirs)}"
    for index, ((our_id, our_body), (their_id, their_body)) in enumerate(zip(ours, theirs)):
        if our_id == FILEPASS and their_id == 0:
            continue
        if our_id != their_id or our_body != their_body:
            return f"record {index} ({our_id:04x}) differs from msoffcrypto's ({their_id:04x})"
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build", "native-asan"))
    parser.add_argument("pairs", nargs="*", help="FILE PASSWORD ...")
    arguments = parser.parse_args()
    if len(arguments.pairs) % 2 != 0:
        parser.error("give a password after each file")
    pairs = list(zip(arguments.pairs[::2], arguments.pairs[1::2])) or SAMPLES
    tool = os.path.join(arguments.build, "tests", "tools", "dump_biff_records")
    failed = 0
    for path, password in pairs:
        if not os.path.exists(path):
            print(f"skipped (absent): {path}")
            continue
        problem = compare(tool, path, password)
        print(f"{'DIFFERS' if problem else 'same'}: {path}" + (f": {problem}" if problem else ""))
        failed += problem is not None
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
