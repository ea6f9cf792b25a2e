//Maya ASCII 2022 scene
//Name: nurbs_curves.ma
requires maya "2022";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "rail";
createNode nurbsCurve -n "railShape" -p "rail";
	setAttr -k off ".v";
	setAttr ".cc" -type "nurbsCurve" 
		3 18 0 no 3
		23 0 0 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 18 18
		21
		0 0 0
		25 10 0
		50 0 0
		75 10 0
		100 0 0
		125 10 0
		150 0 0
		175 10 0
		200 0 0
		225 10 0
		250 0 0
		275 10 0
		300 0 0
		325 10 0
		350 0 0
		375 10 0
		400 0 0
		425 10 0
		450 0 0
		475 10 0
		500 0 0
		;
createNode transform -n "loop";
	setAttr ".t" -type "double3" 0 0 100 ;
createNode nurbsCurve -n "loopShape" -p "loop";
	setAttr ".cc" -type "nurbsCurve" 
		1 4 1 no 3
		5 0 1 2 3 4
		5
		0 0 0
		10 0 0
		10 10 0
		0 10 0
		0 0 0
		;
createNode transform -n "ring";
createNode nurbsCurve -n "ringShape" -p "ring";
	setAttr ".cc" -type "nurbsCurve" 
		3 8 2 no 3
		13 -2 -1 0 1 2 3 4 5 6 7 8 9 10
		11
		10 0 0
		7 0 7
		0 0 10
		-7 0 7
		-10 0 0
		-7 0 -7
		0 0 -10
		7 0 -7
		10 0 0
		7 0 7
		0 0 10
		;
createNode transform -n "arc";
createNode nurbsCurve -n "arcShape" -p "arc";
	setAttr ".cc" -type "nurbsCurve" 
		2 1 0 yes 3
		4 0 0 1 1
		3
		10 0 0 1
		10 10 0 0.70710678118654757
		0 10 0 1
		;
createNode transform -n "drawn";
createNode nurbsCurve -n "drawnShape" -p "drawn";
createNode makeNurbCircle -n "makeNurbCircle1";
connectAttr "makeNurbCircle1.oc" "drawnShape.cr";
// End of nurbs_curves.ma
