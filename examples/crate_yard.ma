//Maya ASCII 2016 scene
//Name: crate_yard.ma
//Codeset: UTF-8
requires maya "2016";
currentUnit -l centimeter -a degree -t film;
fileInfo "application" "maya";
createNode transform -n "yard";
createNode transform -n "crate" -p "yard";
	setAttr ".t" -type "double3" 2 0.5 -1 ;
	setAttr ".r" -type "double3" 0 30 0 ;
createNode mesh -n "crateShape" -p "crate";
	setAttr -k off ".v";
	setAttr ".vir" yes;
	setAttr ".vif" yes;
	setAttr ".uvst[0].uvsn" -type "string" "map1";
	setAttr -s 14 ".uvst[0].uvsp[0:13]" -type "float2" 0.375 0 0.625 0 0.375
		 0.25 0.625 0.25 0.375 0.5 0.625 0.5 0.375 0.75 0.625 0.75 0.375 1 0.625 1 0.875
		 0 0.875 0.25 0.125 0 0.125 0.25;
	setAttr ".cuvs" -type "string" "map1";
	setAttr -s 8 ".vt[0:7]"  -0.5 -0.5 0.5 0.5 -0.5 0.5 -0.5 0.5 0.5 0.5 0.5 0.5
		 -0.5 0.5 -0.5 0.5 0.5 -0.5 -0.5 -0.5 -0.5 0.5 -0.5 -0.5;
	setAttr -s 12 ".ed[0:11]"  0 1 0 2 3 0 4 5 0 6 7 0 0 2 0 1 3 0 2 4 0
		 3 5 0 4 6 0 5 7 0 6 0 0 7 1 0;
	setAttr -s 6 -ch 24 ".fc[0:5]" -type "polyFaces" 
		f 4 0 5 -2 -5 
		mu 0 4 0 1 3 2 
		f 4 1 7 -3 -7 
		mu 0 4 2 3 5 4 
		f 4 2 9 -4 -9 
		mu 0 4 4 5 7 6 
		f 4 3 11 -1 -11 
		mu 0 4 6 7 9 8 
		f 4 -12 -10 -8 -6 
		mu 0 4 1 10 11 3 
		f 4 10 4 6 8 
		mu 0 4 12 0 2 13 ;
createNode transform -n "ground" -p "yard";
createNode mesh -n "groundShape" -p "ground";
	setAttr ".uvst[0].uvsn" -type "string" "map1";
createNode transform -n "crate2" -p "yard";
	setAttr ".t" -type "double3" -3 0.5 1.5 ;
	setAttr ".r" -type "double3" 0 -15 0 ;
parent -s -nc -r -add "|yard|crate|crateShape" "crate2";
createNode transform -n "fenceRail" -p "yard";
	setAttr ".t" -type "double3" 0 1 -9 ;
createNode nurbsCurve -n "fenceRailShape" -p "fenceRail";
	setAttr ".cc" -type "nurbsCurve" 
		1 3 0 no 3
		4 0 1 2 3
		4
		-9 0 0
		-3 0.2 0
		3 0 0
		9 0.2 0
		;
createNode polyPlane -n "groundPlane";
	setAttr ".w" 20;
	setAttr ".h" 20;
	setAttr ".sw" 4;
	setAttr ".sh" 4;
createNode transform -n "sun";
	setAttr ".r" -type "double3" -45 30 0 ;
createNode directionalLight -n "sunShape" -p "sun";
	setAttr ".in" 1.5;
createNode transform -n "yardCam";
	setAttr ".t" -type "double3" 8 6 8 ;
createNode camera -n "yardCamShape" -p "yardCam";
	setAttr ".fl" 35;
createNode phong -n "crateWood";
	setAttr ".sc" -type "float3" 0.2 0.2 0.2 ;
createNode file -n "crateWoodColour";
	setAttr ".ftn" -type "string" "textures/crate_wood.png";
createNode place2dTexture -n "crateWoodPlacement";
createNode bump2d -n "crateWoodBump";
	setAttr ".bd" 0.5;
createNode file -n "crateWoodNormals";
	setAttr ".ftn" -type "string" "textures/crate_wood_n.png";
createNode shadingEngine -n "crateWoodSG";
createNode lambert -n "gravel";
	setAttr ".c" -type "float3" 0.45 0.42 0.38 ;
createNode shadingEngine -n "gravelSG";
createNode character -n "crateRig";
	setAttr -s 7 ".dnsm";
createNode clipLibrary -n "crateRigClips1";
createNode animClip -n "bobSource";
	setAttr ".ss" 1;
	setAttr ".se" 49;
	setAttr ".ci" no;
createNode animCurveTL -n "crate2_translateX";
	setAttr ".ktv[0]"  1 -3;
createNode animCurveTL -n "crate2_translateZ";
	setAttr ".ktv[0]"  1 1.5;
createNode animCurveTA -n "crate2_rotateX";
	setAttr ".ktv[0]"  1 0;
createNode animCurveTA -n "crate2_rotateZ";
	setAttr ".ktv[0]"  1 0;
createNode animCurveTL -n "crate2_translateY";
	setAttr -s 3 ".ktv[0:2]"  1 0.5 25 1.5 49 0.5;
createNode animCurveTA -n "crate2_rotateY";
	setAttr -s 2 ".ktv[0:1]"  1 -15 49 345;
	setAttr -s 2 ".kit[0:1]"  2 2;
	setAttr -s 2 ".kot[0:1]"  2 2;
createNode animCurveTU -n "crate2_visibility";
	setAttr ".tan" 5;
	setAttr ".ktv[0]"  1 1;
connectAttr "groundPlane.out" "groundShape.i";
connectAttr "crate2.ty" "crateRig.dnsm[0]";
connectAttr "crate2.ry" "crateRig.dnsm[1]";
connectAttr "crate2.v" "crateRig.dnsm[2]";
connectAttr "crateRig.am" "crateRigClips1.cd[0].cm";
connectAttr "crate2_translateY.a" "crateRigClips1.cel[0].cev[0].cevr";
connectAttr "crate2_rotateY.a" "crateRigClips1.cel[0].cev[1].cevr";
connectAttr "crate2_visibility.a" "crateRigClips1.cel[0].cev[2].cevr";
connectAttr "crate2.tx" "crateRig.dnsm[3]";
connectAttr "crate2.tz" "crateRig.dnsm[4]";
connectAttr "crate2.rx" "crateRig.dnsm[5]";
connectAttr "crate2.rz" "crateRig.dnsm[6]";
connectAttr "crate2_translateX.a" "crateRigClips1.cel[0].cev[3].cevr";
connectAttr "crate2_translateZ.a" "crateRigClips1.cel[0].cev[4].cevr";
connectAttr "crate2_rotateX.a" "crateRigClips1.cel[0].cev[5].cevr";
connectAttr "crate2_rotateZ.a" "crateRigClips1.cel[0].cev[6].cevr";
connectAttr "bobSource.cl" "crateRigClips1.sc[0]";
connectAttr "crateWoodPlacement.o" "crateWoodColour.uv";
connectAttr "crateWoodColour.oc" "crateWood.c";
connectAttr "crateWoodNormals.oa" "crateWoodBump.bv";
connectAttr "crateWoodBump.o" "crateWood.n";
connectAttr "crateWood.oc" "crateWoodSG.ss";
connectAttr "gravel.oc" "gravelSG.ss";
connectAttr "crateShape.iog" "crateWoodSG.dsm" -na;
connectAttr "groundShape.iog" "gravelSG.dsm" -na;
// End of crate_yard.ma
