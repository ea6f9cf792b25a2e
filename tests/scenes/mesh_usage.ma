//Maya ASCII 2016 scene
//Name: mesh_usage.ma
requires maya "2016";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "decal";
	addAttr -ci true -sn "q5X_cpuMesh" -ln "q5X_cpuMesh" -at "bool";
	addAttr -ci true -sn "q5X_oc" -ln "q5X_oc" -at "bool";
	addAttr -ci true -sn "q5X_vertexCompressionRange" -ln "q5X_vertexCompressionRange" -dt "string";
	setAttr ".q5X_cpuMesh" yes;
	setAttr ".q5X_oc" yes;
	setAttr ".q5X_vertexCompressionRange" -type "string" "0.5";
createNode mesh -n "decalShape" -p "decal";
	setAttr ".uvst[0].uvsn" -type "string" "map1";
	setAttr -s 4 ".uvst[0].uvsp[0:3]" -type "float2" 0.5 0.5 0.5 0.5 0.5 0.5 0.5 0.5;
	setAttr -s 4 ".vt[0:3]"  0 0 0 1 0 0 1 1 0 0 1 0;
	setAttr -s 4 ".ed[0:3]"  0 1 0 1 2 0 2 3 0 3 0 0;
	setAttr ".fc[0]" -type "polyFaces" f 4 0 1 2 3 mu 0 4 0 1 2 3;
createNode lambert -n "bumpy";
	addAttr -ci true -sn "slotName" -ln "slotName" -dt "string";
	setAttr ".slotName" -type "string" "decal_slot";
createNode bump2d -n "bump1";
createNode shadingEngine -n "bumpySG";
connectAttr "bump1.o" "bumpy.n";
connectAttr "bumpy.oc" "bumpySG.ss";
connectAttr "decalShape.iog" "bumpySG.dsm" -na;
// End of mesh_usage.ma
