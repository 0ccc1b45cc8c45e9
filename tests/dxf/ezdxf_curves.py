# Writes a drawing with ezdxf of the curves and line styles that need care: hatches bounded by
# ellipse arcs, clockwise arcs and splines, splines by their knots (non-uniform, rational, of
# degree 2 and 3) and by fit points alone, 3D faces with invisible edges, and lines, polylines,
# arcs and circles in dashed linetypes at several scales. A frame from (-10, -10) to (110, 110)
# gives two renderings the same extents. Usage: ezdxf_curves.py OUT.dxf [nolinetypes]
import sys

import ezdxf

dashed = not (len(sys.argv) > 2 and sys.argv[2] == "nolinetypes")
doc = ezdxf.new("R2010", setup=True)
doc.header["$LTSCALE"] = 2.0
msp = doc.modelspace()
msp.add_lwpolyline([(-10, -10), (110, -10), (110, 110), (-10, 110)], close=True)

# Hatch boundaries made of edges.
h = msp.add_hatch(color=1)
path = h.paths.add_edge_path()
path.add_line((0, 0), (20, 0))
path.add_ellipse((20, 10), major_axis=(0, -10), ratio=0.5, start_angle=0, end_angle=180)
path.add_line((20, 20), (0, 20))
path.add_arc((0, 10), radius=10, start_angle=90, end_angle=270, ccw=True)
h = msp.add_hatch(color=3)
path = h.paths.add_edge_path()
path.add_spline(control_points=[(30, 0), (40, 25), (50, -5), (60, 20)],
                knot_values=[0, 0, 0, 0, 1, 1, 1, 1], degree=3)
path.add_line((60, 20), (30, 0))
h = msp.add_hatch(color=5)
path = h.paths.add_edge_path()
path.add_line((70, 0), (90, 0))
path.add_arc((80, 0), radius=10, start_angle=0, end_angle=180, ccw=False)  # clockwise: below
h = msp.add_hatch(color=4)
path = h.paths.add_edge_path()
path.add_spline(fit_points=[(70, 15), (80, 25), (90, 15), (80, 12)])
path.add_line((80, 12), (70, 15))

# Splines by knots and by fit points.
msp.add_open_spline([(0, 30), (8, 50), (16, 30), (24, 50), (32, 30), (40, 48)], degree=3,
                    knots=[0, 0, 0, 0, 1, 3, 4, 4, 4, 4], dxfattribs={"color": 2})
msp.add_rational_spline([(50, 30), (50, 50), (70, 50)], weights=[1, 5, 1], degree=2,
                        dxfattribs={"color": 6})
msp.add_spline([(75, 30), (85, 45), (95, 32), (105, 50), (100, 55)], dxfattribs={"color": 4})
s = msp.add_spline([(0, 55), (20, 60), (40, 55)], dxfattribs={"color": 1})
s.dxf.start_tangent = (0, 1, 0)
s.dxf.end_tangent = (0, -1, 0)

# 3D faces with invisible edges (the second and fourth, then the first).
msp.add_3dface([(50, 55), (65, 55), (65, 65), (50, 65)], dxfattribs={"color": 2, "invisible": 10})
msp.add_3dface([(70, 58), (85, 58), (78, 66)], dxfattribs={"color": 3, "invisible": 1})

# Linetypes: by entity, by layer, with entity scales.
if dashed:
    doc.layers.add("CENTRE", color=6, linetype="CENTER")
    msp.add_line((0, 75), (100, 75), dxfattribs={"linetype": "DASHED", "color": 1})
    msp.add_line((0, 80), (100, 80), dxfattribs={"linetype": "DASHDOT", "color": 2,
                                                 "ltscale": 0.5})
    msp.add_line((0, 85), (100, 85), dxfattribs={"layer": "CENTRE"})
    msp.add_lwpolyline([(0, 90), (40, 90), (40, 105), (0, 105)],
                       dxfattribs={"linetype": "HIDDEN", "color": 3})
    msp.add_circle((60, 97), 8, dxfattribs={"linetype": "DASHED", "color": 4})
    msp.add_arc((85, 95), 10, 0, 180, dxfattribs={"linetype": "DOT", "color": 5})
doc.saveas(sys.argv[1])
