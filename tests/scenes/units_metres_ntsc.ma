//Maya ASCII 2016 scene
//Name: units_metres_ntsc.ma
requires maya "2016";
currentUnit -l meter -a degree -t ntsc;
createNode transform -n "crate";
	setAttr ".t" -type "double3" 1 2 3 ;
	setAttr ".r" -type "double3" 180 0 0 ;
// End of units_metres_ntsc.ma
