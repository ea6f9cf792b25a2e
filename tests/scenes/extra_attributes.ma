//Maya ASCII 2016 scene
//Name: extra_attributes.ma
requires maya "2016";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "crate";
	addAttr -ci true -sn "q5X_physics" -ln "q5X_physics" -min 0 -max 1 -at "bool";
	addAttr -ci true -sn "q5X_lod" -ln "q5X_lod" -dv 3 -at "long";
	addAttr -ci true -sn "q5X_mass" -ln "q5X_mass" -at "double";
	addAttr -ci true -sn "q5X_material" -ln "q5X_material" -min 0 -max 2 -en "wood:metal=5:stone" -at "enum";
	addAttr -ci true -sn "q5X_tag" -ln "q5X_tag" -dt "string";
	addAttr -ci true -sn "offset" -ln "offset" -at "double3" -nc 3;
	addAttr -ci true -sn "offsetX" -ln "offsetX" -at "doubleLinear" -p "offset";
	addAttr -ci true -sn "offsetY" -ln "offsetY" -at "doubleLinear" -p "offset";
	addAttr -ci true -sn "offsetZ" -ln "offsetZ" -at "doubleLinear" -p "offset";
	setAttr ".q5X_physics" yes;
	setAttr ".q5X_mass" 12.5;
	setAttr ".q5X_material" 5;
	setAttr ".q5X_tag" -type "string" "wooden \"crate\"";
	setAttr ".offset" -type "double3" 1 2 3 ;
createNode mesh -n "crateShape" -p "crate";
	setAttr -s 4 ".vt[0:3]"  0 0 0 1 0 0 1 1 0 0 1 0;
	setAttr ".vt[2]" -type "float3" 5 5 5 ;
createNode skinCluster -n "skin";
	setAttr -s 2 ".wl";
	setAttr ".wl[0:1].w"
		2 0 0.25 3 0.75
		1 1 1;
connectAttr "crate.wm" "skin.ma[0]";
connectAttr "crateShape.iog" ":initialShadingGroup.dsm" -na;
connectAttr "crate.iog" ":initialShadingGroup.dsm" -na;
// End of extra_attributes.ma
