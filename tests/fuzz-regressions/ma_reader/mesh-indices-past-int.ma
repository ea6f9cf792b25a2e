//Maya ASCII 2016 scene
requires maya "2016";
createNode transform -n "t";
createNode mesh -n "m" -p "t";
	setAttr ".vnm" 1e300;
	setAttr ".uvst[0].uvsn" -type "string" "map1";
	setAttr -s 3 ".uvst[0].uvsp[0:2]" -type "float2" 0 0 1 0 0 1;
	setAttr -s 3 ".vt[0:2]"  0 0 0 1 0 0 0 1 0;
	setAttr -s 3 ".ed[0:2]"  0 1 0 1e30 2 0 2 -9e18 0;
	setAttr -s 3 ".fc[0:2]" -type "polyFaces" f 3 0 1 2 mu 1e300 -1e300 0 1 2 f 1e300 0 mc 5e20 3 1 2 3 f -3e30 1 2;
createNode transform -n "p";
createNode mesh -n "pShape" -p "p";
createNode polyPlane -n "huge";
	setAttr ".sw" 1e12;
	setAttr ".sh" -1e12;
connectAttr "huge.out" "pShape.i";
// End of mesh-indices-past-int.ma
