"""Reads a compound file with olefile, an independent reader, and prints as JSON its directory
entries in the order they were written (name, kind, size) and every stream's bytes in hex."""
import json
import sys

import olefile

ole = olefile.OleFileIO(sys.argv[1])
kinds = {1: "storage", 2: "stream", 5: "root"}
entries = [[e.name, kinds.get(e.entry_type, "?"), e.size] for e in ole.direntries if e is not None]
streams = {"/".join(path): ole.openstream(path).read().hex() for path in ole.listdir(streams=True, storages=False)}
print(json.dumps({"entries": entries, "streams": streams}))
