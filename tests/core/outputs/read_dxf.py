"""Reads a DXF file with ezdxf, an independent reader, and prints what the tests check as JSON:
the audit's error count, the header's version, the layers, the extents of the OUTLINE layer
and the plain texts."""
import json
import sys

import ezdxf
from ezdxf import bbox

doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
msp = doc.modelspace()
box = bbox.extents(msp.query('*[layer=="OUTLINE"]'))
print(json.dumps({
    "errors": len(auditor.errors),
    "version": doc.dxfversion,
    "layers": sorted(layer.dxf.name for layer in doc.layers),
    "outline": [box.extmin.x, box.extmin.y, box.extmax.x, box.extmax.y],
    "texts": [t.plain_text() for t in msp.query("TEXT")],
    "types": sorted({e.dxftype() for e in msp}),
}))
