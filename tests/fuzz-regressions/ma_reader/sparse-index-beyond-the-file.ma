//Maya ASCII 2016 scene
requires maya "2016";
createNode mesh -n "m";
	setAttr ".vt[268435455]" -type "float3" 1 2 3;
// End of sparse.ma
