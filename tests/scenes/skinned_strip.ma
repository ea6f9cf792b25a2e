//Maya ASCII 2016 scene
//Name: skinned_strip.ma
requires maya "2016";
currentUnit -l centimeter -a degree -t film;
createNode joint -n "j0";
createNode joint -n "j1" -p "j0";
createNode joint -n "j2" -p "j1";
createNode joint -n "j3" -p "j2";
createNode joint -n "j4" -p "j3";
createNode transform -n "strip";
createNode mesh -n "stripShape" -p "strip";
createNode mesh -n "stripShapeOrig" -p "strip";
	setAttr ".io" yes;
	setAttr -s 6 ".vt[0:5]"  0 0 0 1 0 0 0 1 0 1 1 0 0 2 0 1 2 0;
	setAttr -s 7 ".ed[0:6]"  0 1 0 2 3 1 4 5 0 0 2 0 1 3 0 2 4 0 3 5 0;
	setAttr -s 2 ".fc[0:1]" -type "polyFaces" f 4 0 4 -2 -4 f 4 1 6 -3 -6;
createNode skinCluster -n "skinCluster1";
	setAttr -s 6 ".wl";
	setAttr ".wl[0:5].w"
		1 0 1
		1 0 1
		2 0 0.5 1 0.5
		2 0 0.5 1 0.5
		5 0 0.1 1 0.3 2 0.1 3 0.2 4 0.3
		0;
connectAttr "j0.wm" "skinCluster1.ma[0]";
connectAttr "j1.wm" "skinCluster1.ma[1]";
connectAttr "j2.wm" "skinCluster1.ma[2]";
connectAttr "j3.wm" "skinCluster1.ma[3]";
connectAttr "j4.wm" "skinCluster1.ma[4]";
connectAttr "stripShapeOrig.w" "skinCluster1.ip[0].ig";
connectAttr "skinCluster1.og[0]" "stripShape.i";
// End of skinned_strip.ma
