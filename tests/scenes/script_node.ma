//Maya ASCII 2016 scene
//Name: script_node.ma
requires maya "2016";
currentUnit -l centimeter -a degree -t film;
createNode script -n "sceneConfigurationScriptNode";
	setAttr ".b" -type "string" "system(\"touch SCRIPT_RAN\"); python(\"open('SCRIPT_RAN', 'w')\");";
	setAttr ".st" 1;
createNode script -n "uiConfigurationScriptNode";
	setAttr ".b" -type "string" (
		"system(\"touch SCRIPT_RAN\");\n"
		+ "scriptJob -e \"SceneOpened\" \"system(\\\"touch SCRIPT_RAN\\\")\";\n");
	setAttr ".st" 3;
createNode expression -n "expression1";
	setAttr ".exp" -type "string" "system(\"touch SCRIPT_RAN\")";
system("touch SCRIPT_RAN");
python("open('SCRIPT_RAN', 'w')");
eval "system(\"touch SCRIPT_RAN\")";
createNode transform -n "crate";
// End of script_node.ma
