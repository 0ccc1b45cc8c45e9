# Writes a drawing with ezdxf that holds every entity kind the converter draws: lines,
# polylines with bulges and widths, arcs, circles, ellipses, splines, solids, traces, 3D faces,
# hatches (solid and pattern), points, texts, mtexts, attributes, nested, scaled, rotated and
# arrayed block inserts, a dimension, layers with colours (one off, one frozen), BYLAYER,
# BYBLOCK and true colours. Usage: ezdxf_drawing.py OUT.dxf [R12|R2000|R2010] [compare]
# "compare" leaves the texts out (fonts differ from renderer to renderer) and draws a frame from
# (-10, -10) to (110, 110) around everything, so that two renderings share their extents.
import sys

import ezdxf

version = sys.argv[2] if len(sys.argv) > 2 else "R2000"
compare = len(sys.argv) > 3 and sys.argv[3] == "compare"
doc = ezdxf.new(version, setup=True)
msp = doc.modelspace()
doc.layers.add("RED", color=1)
doc.layers.add("HIDDEN", color=40).off()
doc.layers.add("FROZEN", color=50).freeze()
doc.layers.add("BLUE", color=5)

msp.add_line((0, 0), (100, 0), dxfattribs={"color": 7})
msp.add_line((0, 0), (0, 60), dxfattribs={"layer": "RED"})  # BYLAYER: red
msp.add_line((10, 10), (90, 50), dxfattribs={"layer": "HIDDEN"})  # left out
msp.add_line((10, 50), (90, 10), dxfattribs={"layer": "FROZEN"})  # left out
msp.add_circle((20, 30), 8, dxfattribs={"color": 2})
msp.add_arc((50, 30), 10, 0, 135, dxfattribs={"color": 3})
msp.add_point((95, 55), dxfattribs={"color": 6})
msp.add_solid([(2, 2), (12, 2), (2, 8), (12, 8)], dxfattribs={"color": 1})
msp.add_trace([(14, 2), (24, 2), (14, 6), (24, 6)], dxfattribs={"color": 5})
msp.add_3dface([(26, 2, 0), (36, 2, 5), (36, 8, 5), (26, 8, 0)], dxfattribs={"color": 6})
if version != "R12":
    msp.add_ellipse((80, 30), major_axis=(12, 4), ratio=0.5, dxfattribs={"color": 4})
    msp.add_lwpolyline([(40, 2, 0, 0, 0.5), (50, 2, 0, 0, 0), (50, 8, 0, 0, 0), (40, 8, 0, 0, 0)],
                       format="xyseb", close=True, dxfattribs={"color": 3})
    msp.add_lwpolyline([(55, 2), (70, 2)], dxfattribs={"color": 2, "const_width": 2})
    msp.add_spline([(5, 40), (15, 55), (30, 45), (40, 58)], dxfattribs={"color": 5})
    h = msp.add_hatch(color=1)
    h.paths.add_polyline_path([(60, 40), (75, 40), (75, 52), (60, 52)], is_closed=True)
    h.paths.add_polyline_path([(64, 43), (71, 43), (71, 49), (64, 49)], is_closed=True)
    p = msp.add_hatch(color=4)
    p.set_pattern_fill("ANSI31", scale=0.5)
    p.paths.add_polyline_path([(80, 40), (95, 40), (95, 52), (80, 52)], is_closed=True)
    if not compare:
        msp.add_mtext("Two\\Plines", dxfattribs={"char_height": 3, "insert": (40, 25), "color": 7})
    msp.add_line((0, 65), (20, 65), dxfattribs={"true_color": ezdxf.rgb2int((255, 128, 0))})
    if not compare:
        msp.add_3dsolid()
        msp.add_xline((0, 0), (1, 1))
else:
    msp.add_polyline2d([(40, 2), (50, 2), (50, 8), (40, 8)], close=True, dxfattribs={"color": 3})
if compare:
    msp.add_polyline2d([(-10, -10), (110, -10), (110, 110), (-10, 110)], close=True)
else:
    msp.add_text("DXF 12", dxfattribs={"height": 4, "insert": (5, 70), "color": 2})
    msp.add_text("R", dxfattribs={"height": 4, "insert": (90, 70), "rotation": 90, "color": 3})

block = doc.blocks.new("MARK", base_point=(0, 0))
block.add_line((-2, 0), (2, 0))  # BYLAYER in a block on layer 0: the insert's layer
block.add_line((0, -2), (0, 2), dxfattribs={"color": 0})  # BYBLOCK: the insert's colour
block.add_circle((0, 0), 1, dxfattribs={"color": 6})
if not compare:
    block.add_attdef("TAG", (3, 0), dxfattribs={"height": 1.5})
outer = doc.blocks.new("PAIR", base_point=(0, 0))
outer.add_blockref("MARK", (0, 0))
outer.add_blockref("MARK", (6, 0), dxfattribs={"xscale": 0.5, "yscale": 0.5})
ref = msp.add_blockref("MARK", (10, 85), dxfattribs={"layer": "BLUE", "color": 1})
if not compare:
    ref.add_attrib("TAG", "A1", (13, 85), dxfattribs={"height": 1.5})
msp.add_blockref("PAIR", (30, 85), dxfattribs={"rotation": 30, "xscale": 2, "yscale": 2, "color": 2})
msp.add_blockref("MARK", (60, 80), dxfattribs={"column_count": 3, "row_count": 2,
                                                "column_spacing": 8, "row_spacing": 6, "color": 3})
if version != "R12" and not compare:
    dim = msp.add_linear_dim(base=(50, 100), p1=(40, 95), p2=(90, 95), dxfattribs={"color": 7})
    dim.render()
doc.saveas(sys.argv[1])
