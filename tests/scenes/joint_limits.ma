//Maya ASCII 2016 scene
//Name: joint_limits.ma
requires maya "2016";
currentUnit -l centimeter -a degree -t film;
createNode joint -n "shoulder";
	setAttr ".t" -type "double3" 0 10 0 ;
	setAttr ".mrxe" yes;
	setAttr ".mrxl" -45;
	setAttr ".xtye" yes;
	setAttr ".xtyl" 2.5;
	setAttr ".bps" -type "matrix" 1 0 0 0 0 1 0 0 0 0 1 0 0 10 0 1;
createNode joint -n "elbow" -p "shoulder";
	setAttr ".t" -type "double3" 4 0 0 ;
createNode transform -n "hidden";
	setAttr ".v" no;
createNode mesh -n "hiddenShapeOrig" -p "hidden";
	setAttr -k off ".v";
	setAttr ".io" yes;
createNode transform -n "lamp";
createNode transform -n "lampChild" -p "lamp";
select -ne :time1;
	setAttr ".o" 12;
select -ne :defaultResolution;
	setAttr ".w" 1920;
	setAttr ".h" 1080;
parent -w "lampChild";
rename "lamp" "lantern";
lockNode -l 1 ;
// End of joint_limits.ma
