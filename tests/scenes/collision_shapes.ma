//Maya ASCII 2022 scene
//Name: collision_shapes.ma
requires maya "2022";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "floor";
createNode mesh -n "floorShape" -p "floor";
	setAttr -s 4 ".vt[0:3]"  0 0 0 4 0 0 4 0 4 0 0 4;
	setAttr -s 4 ".ed[0:3]"  0 1 0 1 2 0 2 3 0 3 0 0;
	setAttr ".fc[0]" -type "polyFaces" f 4 0 3 2 1;
createNode transform -n "crate";
	addAttr -ci true -sn "q5X_dynamic" -ln "q5X_dynamic" -at "bool";
	setAttr ".q5X_dynamic" yes;
	setAttr ".t" -type "double3" 1 1 1 ;
createNode mesh -n "crateShape" -p "crate";
createNode polyCube -n "polyCube1";
createNode transform -n "crateOnShelf";
	setAttr ".t" -type "double3" 3 1 1 ;
parent -s -nc -r -add "|crate|crateShape" "crateOnShelf" ;
createNode transform -n "ghost";
	addAttr -ci true -sn "q5X_collision" -ln "q5X_collision" -at "bool";
	setAttr ".q5X_collision" no;
createNode mesh -n "ghostShape" -p "ghost";
	setAttr -s 3 ".vt[0:2]"  0 0 0 1 0 0 0 1 0;
	setAttr -s 3 ".ed[0:2]"  0 1 0 1 2 0 2 0 0;
	setAttr ".fc[0]" -type "polyFaces" f 3 0 1 2;
createNode transform -n "horizon";
createNode mesh -n "horizonShape" -p "horizon";
	setAttr -s 3 ".vt[0:2]"  0 0 0 2e16 0 0 0 1 0;
	setAttr -s 3 ".ed[0:2]"  0 1 0 1 2 0 2 0 0;
	setAttr ".fc[0]" -type "polyFaces" f 3 0 1 2;
connectAttr "polyCube1.out" "crateShape.i";
// End of collision_shapes.ma
