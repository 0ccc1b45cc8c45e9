# Reads a DXF file with ezdxf (an independent reader) and prints what the tests compare:
# the audit's error count, the layers, and every entity of model space with its colour and points.
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print("VERSION", doc.dxfversion)
print("AUDIT", len(auditor.errors), len(auditor.fixes))
for message in auditor.errors:
    print("ERROR", message.message)
for layer in doc.layers:
    print("LAYER", layer.dxf.name)
extmax = doc.header.get("$EXTMAX", (0, 0, 0))
print("EXTMAX", "%g %g" % (extmax[0], extmax[1]))


def number(v):
    return "%.6g" % v


for e in doc.modelspace():
    kind = e.dxftype()
    fields = [kind, str(e.dxf.color), e.dxf.layer]
    if kind == "LINE":
        fields += [number(v) for p in (e.dxf.start, e.dxf.end) for v in (p[0], p[1])]
    elif kind == "SOLID":
        fields += [number(v) for p in (e.dxf.vtx0, e.dxf.vtx1, e.dxf.vtx2, e.dxf.vtx3) for v in (p[0], p[1])]
    elif kind == "HATCH":
        fields.append("solid" if e.dxf.solid_fill else "pattern")
        for path in e.paths:
            for edge in path.edges:
                fields += [number(edge.start[0]), number(edge.start[1])]
    print(" ".join(fields))
