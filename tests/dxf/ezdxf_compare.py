# Draws a DXF file with ezdxf's own renderer (ezdxf.addons.drawing with matplotlib) at the size
# of a PNG that Varnel drew of the slide made from that file, over the same extents, and compares
# the two pictures: the share of each one's drawn pixels that have no drawn pixel of the other
# within a few pixels. Prints "MISMATCH a b" (both shares, 0..1) and writes ezdxf's picture.
# Usage: ezdxf_compare.py DRAWING.dxf VARNEL.png EZDXF_OUT.png X0 Y0 X1 Y1
import sys

import ezdxf
import matplotlib

matplotlib.use("Agg")
import matplotlib.image as mpimg  # noqa: E402
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402
from ezdxf.addons.drawing import Frontend, RenderContext  # noqa: E402
from ezdxf.addons.drawing.matplotlib import MatplotlibBackend  # noqa: E402

dxf, varnel_png, out_png = sys.argv[1:4]
x0, y0, x1, y1 = (float(v) for v in sys.argv[4:8])
ours = mpimg.imread(varnel_png)[:, :, :3]
height, width = ours.shape[:2]

doc = ezdxf.readfile(dxf)
msp = doc.modelspace()
fig = plt.figure(figsize=(width / 100, height / 100), dpi=100, facecolor="black")
ax = fig.add_axes([0, 0, 1, 1])
ax.set_axis_off()
ax.set_facecolor("black")
ctx = RenderContext(doc)
Frontend(ctx, MatplotlibBackend(ax)).draw_layout(msp, finalize=True)
# The slide's extents are the drawing's, one pixel row and column wider (0..HighX-1 inclusive).
sx = (x1 - x0) / (width - 1)
sy = (y1 - y0) / (height - 1)
ax.set_xlim(x0 - sx / 2, x1 + sx / 2)
ax.set_ylim(y0 - sy / 2, y1 + sy / 2)
fig.set_size_inches(width / 100, height / 100)
fig.savefig(out_png, dpi=100, facecolor="black")
theirs = mpimg.imread(out_png)[:, :, :3]


def ink(picture):
    return picture.max(axis=2) > 0.15


def grow(mask, r):
    out = mask.copy()
    for dy in range(-r, r + 1):
        for dx in range(-r, r + 1):
            out |= np.roll(np.roll(mask, dy, axis=0), dx, axis=1)
    return out


a, b = ink(ours), ink(theirs)
r = 3
miss_a = (a & ~grow(b, r)).sum() / max(1, a.sum())
miss_b = (b & ~grow(a, r)).sum() / max(1, b.sum())
print("MISMATCH %.4f %.4f INK %d %d" % (miss_a, miss_b, a.sum(), b.sum()))
