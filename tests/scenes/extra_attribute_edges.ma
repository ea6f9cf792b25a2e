//Maya ASCII 2016 scene
//Name: extra_attribute_edges.ma
requires maya "2016";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "edges";
	addAttr -ci true -sn "q5X_collisionFilterGroup" -ln "q5X_collisionFilterGroup" -dt "string";
	addAttr -ci true -sn "q5X_collisionFilterMask" -ln "q5X_collisionFilterMask" -dt "string";
	addAttr -ci true -sn "q5X_staticFriction" -ln "q5X_staticFriction" -at "float";
	addAttr -ci true -sn "q5X_solverIterationCount" -ln "q5X_solverIterationCount" -at "long";
	addAttr -ci true -sn "q5X_navMeshMask" -ln "q5X_navMeshMask" -at "long";
	addAttr -ci true -sn "q5X_adPlacementId" -ln "q5X_adPlacementId" -at "long";
	addAttr -ci true -sn "q5X_decalLayer" -ln "q5X_decalLayer" -at "long";
	addAttr -ci true -sn "q5X_distanceBlending" -ln "q5X_distanceBlending" -at "bool";
	addAttr -ci true -sn "q5X_castsShadows" -ln "q5X_castsShadows" -min 0 -max 2 -en "auto:yes:no" -at "enum";
	setAttr ".q5X_collisionFilterGroup" -type "string" "12zz";
	setAttr ".q5X_collisionFilterMask" -type "string" "255";
	setAttr ".q5X_staticFriction" 0.50005;
	setAttr ".q5X_solverIterationCount" 8;
	setAttr ".q5X_navMeshMask" 0;
	setAttr ".q5X_adPlacementId" -1;
	setAttr ".q5X_decalLayer" 3;
	setAttr ".q5X_distanceBlending" yes;
	setAttr ".q5X_castsShadows" 1;
createNode transform -n "masks";
	addAttr -ci true -sn "q5X_collisionFilterMask" -ln "q5X_collisionFilterMask" -at "long";
	addAttr -ci true -sn "q5X_weatherRequiredMask" -ln "q5X_weatherRequiredMask" -dt "string";
	setAttr ".q5X_collisionFilterMask" 4096;
	setAttr ".q5X_weatherRequiredMask" -type "string" "0b1010";
// End of extra_attribute_edges.ma
