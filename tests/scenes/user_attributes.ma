//Maya ASCII 2022 scene
//Name: user_attributes.ma
requires maya "2022";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "door";
	addAttr -ci true -sn "locked" -ln "locked" -at "bool";
	addAttr -ci true -sn "hits" -ln "hits" -at "long";
	addAttr -ci true -sn "level" -ln "level" -at "byte";
	addAttr -ci true -sn "weight" -ln "weight" -at "double";
	addAttr -ci true -sn "mode" -ln "mode" -at "enum" -en "open:shut";
	addAttr -ci true -sn "note" -ln "note" -dt "string";
	addAttr -ci true -sn "empty" -ln "empty" -dt "string";
	addAttr -ci true -sn "onCreate" -ln "onCreate" -dt "string";
	addAttr -ci true -sn "lines" -ln "lines" -dt "string";
	addAttr -ci true -sn "q5X_collision" -ln "q5X_collision" -at "bool";
	setAttr ".locked" yes;
	setAttr ".hits" 3;
	setAttr ".level" 7;
	setAttr ".weight" 0.1;
	setAttr ".note" -type "string" "a <b> & \"c\"";
	setAttr ".empty" -type "string" "";
	setAttr ".onCreate" -type "string" "print(\"open <door>\");";
	setAttr ".lines" -type "string" "one&lf;two&cr;";
	setAttr ".q5X_collision" yes;
createNode transform -n "plain";
	addAttr -ci true -sn "q5X_collision" -ln "q5X_collision" -at "bool";
createNode transform -n "hidden_ignore";
	addAttr -ci true -sn "secret" -ln "secret" -at "long";
// End of user_attributes.ma
