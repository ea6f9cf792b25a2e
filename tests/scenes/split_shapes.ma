//Maya ASCII 2022 scene
//Name: split_shapes.ma
requires maya "2022";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "rock";
	addAttr -ci true -sn "q5X_splitType" -ln "q5X_splitType" -at "long";
	setAttr ".q5X_splitType" 1;
createNode mesh -n "rockShape" -p "rock";
createNode polyCube -n "rockCube";
createNode transform -n "cliff";
	addAttr -ci true -sn "q5X_splitType" -ln "q5X_splitType" -at "long";
	setAttr ".q5X_splitType" 1;
	setAttr ".t" -type "double3" 5 0 0 ;
createNode mesh -n "cliffShape" -p "cliff";
createNode polyCube -n "cliffCube";
	setAttr ".w" 2;
createNode transform -n "Collisions" -p "cliff";
createNode transform -n "leftHull" -p "Collisions";
	setAttr ".t" -type "double3" -0.5 0 0 ;
createNode mesh -n "leftHullShape" -p "leftHull";
createNode transform -n "rightHull" -p "Collisions";
	setAttr ".t" -type "double3" 0.5 0 0 ;
createNode mesh -n "rightHullShape" -p "rightHull";
createNode polyCube -n "hullCube";
createNode transform -n "sheet";
	addAttr -ci true -sn "q5X_splitType" -ln "q5X_splitType" -at "long";
	setAttr ".q5X_splitType" 1;
	setAttr ".t" -type "double3" 0 0 5 ;
createNode mesh -n "sheetShape" -p "sheet";
createNode polyPlane -n "sheetPlane";
	setAttr ".sw" 1;
	setAttr ".sh" 1;
connectAttr "rockCube.out" "rockShape.i";
connectAttr "cliffCube.out" "cliffShape.i";
connectAttr "hullCube.out" "leftHullShape.i";
connectAttr "hullCube.out" "rightHullShape.i";
connectAttr "sheetPlane.out" "sheetShape.i";
// End of split_shapes.ma
