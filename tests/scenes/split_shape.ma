//Maya ASCII 2016 scene
//Name: split_shape.ma
requires maya "2016";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "cliff";
	addAttr -ci true -sn "q5X_splitType" -ln "q5X_splitType" -at "long";
	setAttr ".q5X_splitType" 1;
createNode mesh -n "cliffShape" -p "cliff";
createNode transform -n "Collisions" -p "cliff";
createNode transform -n "hullA" -p "Collisions";
createNode mesh -n "hullAShape" -p "hullA";
createNode transform -n "hullB" -p "Collisions";
createNode mesh -n "hullBShape" -p "hullB";
createNode transform -n "marker" -p "Collisions";
// End of split_shape.ma
