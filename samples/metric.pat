;;
;;	metric.pat -- Varnel sample hatch patterns, millimetre units
;;	fields are separated by tabs in some of these lines
;;
*M-LINES,	Parallel lines 3 mm
0,	0,0,	0,3
*M-CROSS,	Cross-hatch 5 mm at 45 degrees
45,	0,0,	0,5
135,	0,0,	0,5
*M-DASH,	Dashed lines 6 mm / 2 mm
0,	0,0,	2,4,	6,-2
*M-DOTS,	Dots 2.5 mm
0,	0,0,	1.25,2.5,	0,-2.5
*M-BLOCK,	Blockwork 400 x 200
0, 0,0, 0,20
90, 0,0, 20,20, 20,-20
; a comment inside a pattern

*M-ROOF,	Roof tiles, dashed overlaps
0,	0,0,	0,8
90,	0,0,	8,10,	8,-12
*M-WATER,	Water, broken lines
0,	0,0,	7.5,3,	9,-3,	3,-6
*M-DENSE,	Dense dashed texture
0,	0,0,	.3,.7,	.6,-.4
60,	0,0,	.3,.7,	.2,-.3,	0,-.3
*M-INSUL,	Insulation, soft batts
0, 0,0, 0,10
45, 0,0, 7.0710678,7.0710678, 7.0710678,-7.0710678
135, 5,5, 7.0710678,7.0710678, 7.0710678,-7.0710678
0, 0,10, 0,10
