# Reads DXF files with ezdxf (an independent reader) and prints what the tests compare, after a
# line "FILE path" for each: the audit's error count, the layers, and every entity of model space
# with its colour and points. One run for many files: starting Python costs more than reading.
import sys

import ezdxf


def number(v):
    return "%.6g" % v


def dump(path):
    print("FILE", path)
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    print("VERSION", doc.dxfversion)
    print("AUDIT", len(auditor.errors), len(auditor.fixes))
    for message in auditor.errors:
        print("ERROR", message.message)
    for layer in doc.layers:
        print("LAYER", layer.dxf.name)
    extmax = doc.header.get("$EXTMAX", (0, 0, 0))
    print("EXTMAX", "%g %g" % (extmax[0], extmax[1]))
    for e in doc.modelspace():
        kind = e.dxftype()
        fields = [kind, str(e.dxf.color), e.dxf.layer]
        if kind == "LINE":
            fields += [number(v) for p in (e.dxf.start, e.dxf.end) for v in (p[0], p[1])]
        elif kind == "SOLID":
            corners = (e.dxf.vtx0, e.dxf.vtx1, e.dxf.vtx2, e.dxf.vtx3)
            fields += [number(v) for p in corners for v in (p[0], p[1])]
        elif kind == "HATCH":
            fields.append("solid" if e.dxf.solid_fill else "pattern")
            for boundary in e.paths:
                for edge in boundary.edges:
                    fields += [number(edge.start[0]), number(edge.start[1])]
        print(" ".join(fields))


for name in sys.argv[1:]:
    dump(name)
