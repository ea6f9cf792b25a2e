//Maya ASCII 2022 scene
//Name: animation_hostile.ma
requires maya "2022";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "box";
createNode character -n "rig";
	setAttr -s 4 ".dnsm";
createNode clipLibrary -n "rigClips1";
createNode animClip -n "moveSource";
	setAttr ".se" 10;
	setAttr ".ci" no;
createNode animClip -n "emptySource";
	setAttr ".se" 0;
	setAttr ".ci" no;
createNode animCurveTL -n "box_tx";
	setAttr ".tan" 99;
	setAttr -s 2 ".ktv[0:1]"  10 5 0 0;
createNode animCurveTL -n "box_ty";
	setAttr -s 3 ".ktv[0:2]"  0 0 5 1 5 2;
createNode animCurveTL -n "box_tz";
createNode animCurveTL -n "lost_curve";
	setAttr ".ktv[0]"  0 1;
connectAttr "box.tx" "rig.dnsm[0]";
connectAttr "box.ty" "rig.dnsm[1]";
connectAttr "box.tz" "rig.dnsm[2]";
connectAttr "rig.am" "rigClips1.cd[0].cm";
connectAttr "box_tx.a" "rigClips1.cel[0].cev[0].cevr";
connectAttr "box_ty.a" "rigClips1.cel[0].cev[1].cevr";
connectAttr "box_tz.a" "rigClips1.cel[0].cev[2].cevr";
connectAttr "lost_curve.a" "rigClips1.cel[0].cev[3].cevr";
connectAttr "moveSource.cl" "rigClips1.sc[0]";
connectAttr "emptySource.cl" "rigClips1.sc[1]";
// End of animation_hostile.ma
