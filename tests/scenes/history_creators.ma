//Maya ASCII 2016 scene
//Name: history_creators.ma
requires maya "2016";
createNode transform -n "sphere";
createNode mesh -n "sphereShape" -p "sphere";
createNode transform -n "cylinder";
createNode mesh -n "cylinderShape" -p "cylinder";
createNode transform -n "cone";
createNode mesh -n "coneShape" -p "cone";
createNode transform -n "torus";
createNode mesh -n "torusShape" -p "torus";
createNode polySphere -n "s1";
	setAttr ".r" 2;
	setAttr ".sa" 8;
	setAttr ".sh" 4;
createNode polyCylinder -n "c1";
	setAttr ".h" 4;
	setAttr ".sa" 8;
	setAttr ".sh" 2;
createNode polyCone -n "k1";
	setAttr ".sa" 8;
createNode polyTorus -n "t1";
	setAttr ".sa" 8;
	setAttr ".sh" 6;
	setAttr ".sr" 0.25;
connectAttr "s1.out" "sphereShape.i";
connectAttr "c1.out" "cylinderShape.i";
connectAttr "k1.out" "coneShape.i";
connectAttr "t1.out" "torusShape.i";
// End of history_creators.ma
