//Maya ASCII 2016 scene
//Name: per_face_materials.ma
requires maya "2016";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "wall";
createNode mesh -n "wallShape" -p "wall";
	setAttr -s 2 ".iog[0].og";
	setAttr ".iog[0].og[0].gcl" -type "componentList" 1 "f[0]";
	setAttr ".iog[0].og[1].gcl" -type "componentList" 1 "f[1:2]";
	setAttr -s 5 ".vt[0:4]"  0 0 0 1 0 0 1 1 0 0 1 0 2 0 0;
	setAttr -s 7 ".ed[0:6]"  0 1 0 1 2 0 2 0 0 2 3 0 3 0 0 1 4 0 4 2 0;
	setAttr -s 3 ".fc[0:2]" -type "polyFaces"
		f 3 0 1 2
		f 3 -3 3 4
		f 3 5 6 -2;
createNode transform -n "bare";
createNode mesh -n "bareShape" -p "bare";
	setAttr -s 3 ".vt[0:2]"  0 0 0 1 0 0 0 1 0;
	setAttr -s 3 ".ed[0:2]"  0 1 0 1 2 0 2 0 0;
	setAttr ".fc[0]" -type "polyFaces" f 3 0 1 2;
createNode lambert -n "brick";
createNode shadingEngine -n "brickSG";
createNode phong -n "tiles";
createNode shadingEngine -n "tilesSG";
createNode shadingEngine -n "emptySG";
connectAttr "brick.oc" "brickSG.ss";
connectAttr "tiles.oc" "tilesSG.ss";
connectAttr "wallShape.iog.og[0]" "tilesSG.dsm" -na;
connectAttr "wallShape.iog.og[1]" "brickSG.dsm" -na;
connectAttr "bareShape.iog" "emptySG.dsm" -na;
// End of per_face_materials.ma
