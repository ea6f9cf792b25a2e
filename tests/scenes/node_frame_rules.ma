//Maya ASCII 2016 scene
//Name: node_frame_rules.ma
requires maya "2016";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "lampRef";
	addAttr -ci true -sn "q5X_referenceFilename" -ln "q5X_referenceFilename" -dt "string";
	setAttr ".q5X_referenceFilename" -type "string" "props/lamp.q5x";
	setAttr ".t" -type "double3" 0 3 0 ;
createNode pointLight -n "lampRefShape" -p "lampRef";
createNode transform -n "pivoted";
	setAttr ".t" -type "double3" 1 0 0 ;
	setAttr ".r" -type "double3" 0 0 90 ;
	setAttr ".rp" -type "double3" 1 0 0 ;
createNode transform -n "scaledAbout" -p "pivoted";
	setAttr ".s" -type "double3" 2 2 2 ;
	setAttr ".sp" -type "double3" 0 2 0 ;
createNode transform -n "twoKinds";
createNode nurbsCurve -n "twoKindsCurve" -p "twoKinds";
createNode mesh -n "twoKindsMesh" -p "twoKinds";
createNode transform -n "hulls_ignore";
createNode transform -n "hiddenHull" -p "hulls_ignore";
	addAttr -ci true -sn "q5X_boundingVolume" -ln "q5X_boundingVolume" -dt "string";
	setAttr ".q5X_boundingVolume" -type "string" "twoKinds";
createNode mesh -n "hiddenHullShape" -p "hiddenHull";
createNode animCurveTL -n "pivoted_translateY";
	setAttr -s 2 ".ktv[0:1]"  1 0 24 5;
connectAttr "pivoted_translateY.o" "pivoted.ty";
// End of node_frame_rules.ma
