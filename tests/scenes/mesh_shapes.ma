//Maya ASCII 2016 scene
//Name: mesh_shapes.ma
requires maya "2016";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "storedCube";
createNode mesh -n "storedCubeShape" -p "storedCube";
	setAttr ".uvst[0].uvsn" -type "string" "map1";
	setAttr -s 14 ".uvst[0].uvsp[0:13]" -type "float2" 0.375 0 0.625 0 0.375 0.25 0.625 0.25 0.375 0.5 0.625 0.5 0.375 0.75 0.625 0.75 0.375 1 0.625 1 0.875 0 0.875 0.25 0.125 0 0.125 0.25;
	setAttr ".cuvs" -type "string" "map1";
	setAttr -s 8 ".vt[0:7]"  -0.5 -0.5 0.5 0.5 -0.5 0.5 -0.5 0.5 0.5 0.5 0.5 0.5 -0.5 0.5 -0.5 0.5 0.5 -0.5 -0.5 -0.5 -0.5 0.5 -0.5 -0.5;
	setAttr -s 12 ".ed[0:11]"  0 1 0 2 3 0 4 5 0 6 7 0 0 2 0 1 3 0 2 4 0 3 5 0 4 6 0 5 7 0 6 0 0 7 1 0;
	setAttr -s 6 -ch 24 ".fc[0:5]" -type "polyFaces" 
		f 4 0 5 -2 -5
		mu 0 4 0 1 3 2
		f 4 1 7 -3 -7
		mu 0 4 2 3 5 4
		f 4 2 9 -4 -9
		mu 0 4 4 5 7 6
		f 4 3 11 -1 -11
		mu 0 4 6 7 9 8
		f 4 -12 -10 -8 -6
		mu 0 4 1 10 11 3
		f 4 10 4 6 8
		mu 0 4 12 0 2 13;
createNode mesh -n "storedCubeShapeOrig" -p "storedCube";
	setAttr ".io" yes;
createNode transform -n "historyCube";
	setAttr ".t" -type "double3" 3 0 0 ;
createNode mesh -n "historyCubeShape" -p "historyCube";
	setAttr ".uvst[0].uvsn" -type "string" "map1";
createNode transform -n "historyUnitCube";
	setAttr ".t" -type "double3" 6 0 0 ;
createNode mesh -n "historyUnitCubeShape" -p "historyUnitCube";
createNode transform -n "plane";
createNode mesh -n "planeShape" -p "plane";
	setAttr -s 2 ".uvst";
	setAttr ".uvst[0].uvsn" -type "string" "map1";
	setAttr -s 6 ".uvst[0].uvsp[0:5]" -type "float2" 0 0 0.5 0 1 0 0 1 0.5 1 1 1;
	setAttr ".uvst[1].uvsn" -type "string" "lightmap";
	setAttr -s 8 ".uvst[1].uvsp[0:7]" -type "float2" 0 0 0.5 0 0.5 1 0 1 0.6 0 1 0 1 1 0.6 1;
	setAttr ".cuvs" -type "string" "map1";
	setAttr ".ccls" -type "string" "colorSet1";
	setAttr ".clst[0].clsn" -type "string" "colorSet1";
	setAttr -s 4 ".clst[0].clsp[0:3]"  1 0 0 1 0 1 0 1 0 0 1 1 1 1 1 1;
	setAttr -s 6 ".vt[0:5]"  0 0 0 1 0 0 2 0 0 0 1 0 1 1 0 2 1 0;
	setAttr -s 7 ".ed[0:6]"  0 1 0 1 2 0 3 4 0 4 5 0 0 3 0 1 4 1 2 5 0;
	setAttr -s 2 ".fc[0:1]" -type "polyFaces" 
		f 4 0 5 -3 -5
		mu 0 4 0 1 4 3
		mu 1 4 0 1 2 3
		mc 0 4 0 1 2 3
		f 4 1 6 -4 -6
		mu 0 4 1 2 5 4
		mu 1 4 4 5 6 7;
createNode polyCube -n "polyCube1";
	setAttr ".w" 2;
	setAttr ".h" 2;
	setAttr ".d" 2;
	setAttr ".cuv" 4;
createNode polyCube -n "polyCube2";
createNode groupId -n "groupId1";
createNode groupParts -n "groupParts1";
	setAttr ".ic" -type "componentList" 1 "f[*]";
connectAttr "polyCube1.out" "groupParts1.ig";
connectAttr "groupId1.id" "groupParts1.gi";
connectAttr "groupParts1.og" "historyCubeShape.i";
connectAttr "polyCube2.out" "historyUnitCubeShape.i";
// End of mesh_shapes.ma
