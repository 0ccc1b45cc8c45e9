;;
;; hatches.pat -- Varnel sample hatch patterns, inch units.
;; Each pattern: a header "*NAME, description", then one line per family:
;;   angle, x-origin, y-origin, delta-x, delta-y [, dash, gap, ...]
;;
*DIAG45, Diagonal lines at 45 degrees, 1/8" apart
45, 0,0, 0,.125
*CROSS45, Diagonal cross-hatch
45, 0,0, 0,.125
135, 0,0, 0,.125
*GRID, Square grid 1/4"
0, 0,0, 0,.25
90, 0,0, 0,.25
*BRICKWALL, Running bond, 1/2" x 1/4" bricks
0, 0,0, 0,.25
90, 0,0, .25,.25, .25,-.25
*HEXAGON, Honeycomb, 1/8" sides
0, 0,0, .1875,.108253175, .125,-.25
60, .125,0, .1875,.108253175, .125,-.25
120, .1875,.108253175, .1875,.108253175, .125,-.25
*DOTGRID, Dots on a staggered grid
0, 0,0, .05,.1, 0,-.1
*DASHDOT, Dash-dot lines
0, 0,0, .1,.2, .3,-.1,0,-.1
*HIDDEN30, Hidden lines at 30 degrees
30, 0,0, .0625,.15, .1875,-.0625
*PARQUET, Basket weave parquet
0, 0,0, .5,.5, .5,-.5        ; horizontal strips of the first square
0, 0,.125, .5,.5, .5,-.5
0, 0,.25, .5,.5, .5,-.5
0, 0,.375, .5,.5, .5,-.5
0, 0,.5, .5,.5, .5,-.5
90, .5,0, .5,.5, .5,-.5     ; vertical strips of the second square
90, .625,0, .5,.5, .5,-.5
90, .75,0, .5,.5, .5,-.5
90, .875,0, .5,.5, .5,-.5
90, 1,0, .5,.5, .5,-.5
*STEEL, Steel section, close pairs
45, 0,0, 0,.125
45, 0,.0625, 0,.125
*Gravel, Loose gravel and stones
15, 0,0, .3,.41, .12,-.5
75, .1,.05, .23,.37, .09,-.45
140, .2,.15, .41,.29, .1,-.62
205, .05,.25, .17,.53, .07,-.38
300, .3,.1, .27,.47, .08,-.55
*EARTH, Earth, groups of short strokes
0, 0,0, .25,.25, .25,-.25
0, 0,.09375, .25,.25, .25,-.25
0, 0,.1875, .25,.25, .25,-.25
90, .03125,.21875, .25,.25, .25,-.25
90, .125,.21875, .25,.25, .25,-.25
90, .21875,.21875, .25,.25, .25,-.25
*SAND, Sand, scattered dots
0, 0,0, .021,.057, 0,-.083,0,-.112,0,-.041
37, .01,.02, .033,.071, 0,-.095,0,-.13
*CHEVRON, Broken chevrons
45, 0,0, .125,.125, .17677669,-.17677669
135, .125,.125, .125,.125, .17677669,-.17677669
*CONCRETE, Concrete, aggregate and dots
50, 0,0, .104,.085, .075,-.6
355, 0,0, -.033,.15, .06,-.66
100.4, .06,0, .145,.087, .061,-.63
46.2, 0,.2, .08,.15, 0,-.25,0,-.3
*FINE, Fine dashed shading
0, 0,0, .01,.03125, .04,-.02
*STIPPLE, Close stipple dots
0, 0,0, .02,.04, 0,-.04
45, .01,.01, .03,.05, 0,-.07
;; End of file
