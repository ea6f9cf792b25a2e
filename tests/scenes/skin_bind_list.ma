//Maya ASCII 2016 scene
//Name: skin_bind_list.ma
requires maya "2016";
currentUnit -l centimeter -a degree -t film;
createNode joint -n "hip";
createNode joint -n "knee" -p "hip";
	setAttr ".t" -type "double3" 0 -4 0 ;
createNode transform -n "helpers_ignore";
createNode joint -n "twist" -p "helpers_ignore";
createNode transform -n "leg";
createNode mesh -n "legShape" -p "leg";
createNode skinCluster -n "skinCluster1";
	setAttr ".ma[2]" -type "matrix" 1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1;
connectAttr "hip.wm" "skinCluster1.ma[0]";
connectAttr "twist.wm" "skinCluster1.ma[1]";
connectAttr "knee.wm" "skinCluster1.ma[3]";
connectAttr "skinCluster1.og[0]" "legShape.i";
// End of skin_bind_list.ma
