//Maya ASCII 2016 scene
//Name: skeleton_bind_pose.ma
requires maya "2016";
currentUnit -l centimeter -a degree -t film;
createNode joint -n "root";
	addAttr -ci true -sn "q5X_joint" -ln "q5X_joint" -at "bool";
	addAttr -ci true -sn "q5X_driveSpring" -ln "q5X_driveSpring" -at "float";
	setAttr ".q5X_joint" yes;
	setAttr ".q5X_driveSpring" 2;
	setAttr ".t" -type "double3" 1 1 1 ;
	setAttr ".jo" -type "double3" 0 0 90 ;
	setAttr ".mrze" yes;
	setAttr ".mrzl" -30;
createNode joint -n "tip" -p "root";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode dagPose -n "bindPose1";
	setAttr -s 2 ".wm";
	setAttr ".xm[0]" -type "matrix" "xform" 1 1 1 0 0 0 0 0 5 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 0 0 0.70710678 0.70710678 1 1 1 yes;
	setAttr ".bp" yes;
connectAttr "root.bps" "bindPose1.wm[0]";
// End of skeleton_bind_pose.ma
