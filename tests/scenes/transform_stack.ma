//Maya ASCII 2016 scene
//Name: transform_stack.ma
//Codeset: UTF-8
requires maya "2016";
currentUnit -l centimeter -a degree -t film;
fileInfo "application" "maya";
createNode transform -n "parent";
	setAttr ".t" -type "double3" 10 0 0 ;
	setAttr ".s" -type "double3" 2 1 1 ;
createNode transform -n "child" -p "parent";
	setAttr ".t" -type "double3" 0 5 0 ;
	setAttr ".r" -type "double3" 0 0 90 ;
createNode transform -n "orderXYZ";
	setAttr ".r" -type "double3" 90 0 90 ;
createNode transform -n "orderZYX";
	setAttr ".r" -type "double3" 90 0 90 ;
	setAttr ".ro" 5;
createNode transform -n "pivoted";
	setAttr ".r" -type "double3" 0 0 90 ;
	setAttr ".rp" -type "double3" 1 0 0 ;
	setAttr ".sp" -type "double3" 1 0 0 ;
	setAttr ".s" -type "double3" 3 3 3 ;
createNode transform -n "axis";
	setAttr ".ra" -type "double3" 0 0 90 ;
	setAttr ".r" -type "double3" 90 0 0 ;
createNode joint -n "hip";
	setAttr ".t" -type "double3" 0 1 0 ;
	setAttr ".s" -type "double3" 2 2 2 ;
createNode joint -n "knee" -p "hip";
	setAttr ".t" -type "double3" 1 0 0 ;
	setAttr ".r" -type "double3" 0 0 90 ;
	setAttr ".jo" -type "double3" 0 0 90 ;
createNode transform -n "left";
	setAttr ".t" -type "double3" -5 0 0 ;
createNode transform -n "right";
	setAttr ".t" -type "double3" 5 0 0 ;
createNode mesh -n "sharedShape" -p "left";
parent -s -nc -r -add "|left|sharedShape" "right" ;
connectAttr "hip.s" "knee.is";
// End of transform_stack.ma
