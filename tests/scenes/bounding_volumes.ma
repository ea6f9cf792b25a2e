//Maya ASCII 2016 scene
//Name: bounding_volumes.ma
requires maya "2016";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "rock";
	setAttr ".t" -type "double3" 10 0 0 ;
createNode mesh -n "rockShape" -p "rock";
createNode transform -n "rockHull";
	addAttr -ci true -sn "q5X_boundingVolume" -ln "q5X_boundingVolume" -dt "string";
	setAttr ".q5X_boundingVolume" -type "string" "rock";
createNode mesh -n "rockHullShape" -p "rockHull";
createNode transform -n "lostHull";
	addAttr -ci true -sn "q5X_boundingVolume" -ln "q5X_boundingVolume" -dt "string";
	setAttr ".q5X_boundingVolume" -type "string" "nowhere";
createNode mesh -n "lostHullShape" -p "lostHull";
createNode transform -n "twinHull";
	addAttr -ci true -sn "q5X_boundingVolume" -ln "q5X_boundingVolume" -dt "string";
	setAttr ".q5X_boundingVolume" -type "string" "twin";
createNode mesh -n "twinHullShape" -p "twinHull";
createNode transform -n "a";
createNode transform -n "twin" -p "a";
createNode transform -n "b";
createNode transform -n "twin" -p "b";
createNode transform -n "mergedHull";
	addAttr -ci true -sn "q5X_boundingVolume" -ln "q5X_boundingVolume" -dt "string";
	setAttr ".q5X_boundingVolume" -type "string" "MERGEGROUP_3";
createNode mesh -n "mergedHullShape" -p "mergedHull";
createNode polyCube -n "hullCube";
	setAttr ".w" 4;
	setAttr ".h" 4;
	setAttr ".d" 4;
connectAttr "hullCube.out" "rockHullShape.i";
// End of bounding_volumes.ma
