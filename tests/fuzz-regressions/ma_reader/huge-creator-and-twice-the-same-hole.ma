//Maya ASCII 2016 scene
requires maya "2016";
createNode transform -n "box";
createNode mesh -n "boxShape" -p "box";
createNode polyCube -n "huge";
	setAttr ".sw" 4096;
	setAttr ".sh" 4096;
	setAttr ".sd" 4096;
connectAttr "huge.out" "boxShape.i";
createNode transform -n "f";
createNode mesh -n "fShape" -p "f";
	setAttr -s 8 ".vt[0:7]" 0 0 0 4 0 0 4 4 0 0 4 0 1 1 0 1 2 0 2 2 0 2 1 0;
	setAttr -s 8 ".ed[0:7]" 0 1 0 1 2 0 2 3 0 3 0 0 4 5 0 5 6 0 6 7 0 7 4 0;
	setAttr ".fc[0]" -type "polyFaces" f 4 0 1 2 3 h 4 4 5 6 7 h 4 4 5 6 7;
	setAttr ".n[2]" -type "float3" 0 0 0;
// End of creators.ma
